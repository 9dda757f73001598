#include "EditFixture.hpp"

#include "WinConstants.hpp"
#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CEditTestView, CUIViewWnd, nullptr)

AFX_BEGIN_MESSAGE_MAP(CEditTestView, CUIViewWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CEditTestView::OnHeard)
AFX_END_MESSAGE_MAP()

BOOL CEditTestView::OnHeard(UINT id, UINT code, CWnd &) {
    char const * name = id == IDOK                               ? "ok"
                        : id == IDCANCEL                         ? "cancel"
                        : code == EN_SETFOCUS                    ? "setfocus"
                        : code == EN_KILLFOCUS                   ? "killfocus"
                        : code == 0x1234                         ? "force"
                        : code == EN_CHANGE || code == EN_UPDATE ? nullptr
                                                                 : "other";
    if (m_log && name)
        m_log->push_back(std::string("view ") + name);
    return FALSE;
}

CUIData EditRecord(char const * cls, char const * tag, char const * format) {
    CUIData data;
    data.m_tag = tag;
    data.m_label = tag;
    data.m_labelAlt = tag;
    data.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), cls));
    data.m_format = format;
    return data;
}

void EditFixture::SetUp() {
    CAutomation::Start();
    ASSERT_TRUE(
        m_frame.Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 600), nullptr, 0));
    m_frame.m_onCommand = [this](UINT id, UINT, HWND) {
        m_item.m_log.push_back("frame " + std::to_string(id));
    };
}

void EditFixture::TearDown() {
    m_frame.DestroyWindow();
    CAutomation::Pump();
    CInput::ReleaseAll();
    CAutomation::Stop();
}

void EditFixture::Clear() {
    if (m_view)
        m_view->DestroyWindow();
    if (m_other)
        m_other->DestroyWindow();
    m_view = nullptr;
    m_other = nullptr;
    CAutomation::Pump();
}

void EditFixture::Add(CEditTestView & view, Field const & field) {
    m_records.push_back(EditRecord(field.cls, field.tag, field.format));
    view.AddUI(view.GetItem(), "root", &m_records.back());
}

CEditTestView & EditFixture::Build(std::vector<Field> const & fields) {
    return BuildPage([this, fields](CEditTestView & view) {
        view.StartPage(1);
        view.StartGroup(2);
        for (Field const & field : fields)
            Add(view, field);
        view.EndGroup(0);
        view.EndPage(0);
    });
}

CEditTestView & EditFixture::BuildPage(std::function<void(CEditTestView &)> page) {
    Clear();
    m_view = new CEditTestView;
    m_view->m_log = &m_item.m_log;
    m_view->m_build = std::move(page);
    m_view->Attach(&m_item);
    EXPECT_TRUE(m_view->Create(&m_frame, CRect(0, 0, 800, 500), 10));
    m_other = new CEditCtrl;
    EXPECT_TRUE(
        m_other->Create("", WS_VISIBLE | WS_TABSTOP, CRect(0, 520, 200, 540), &m_frame, 20));
    CAutomation::Pump();
    m_item.m_log.clear();
    return *m_view;
}

CUIEditCtrl & EditFixture::Edit(char const * tag) {
    return static_cast<CUIEditBase *>(m_view->FindUI(tag))->GetEditCtrl();
}

void EditFixture::Enter(char const * tag) {
    CAutomation::Click(&Edit(tag));
    CAutomation::PressKey('A', CAutomation::modControl);
    m_item.m_log.clear();
}

std::vector<std::string> EditFixture::TakeLog() {
    std::vector<std::string> log;
    log.swap(m_item.m_log);
    return log;
}
