#include "AfxTrace.hpp"
#include "CItemDialog.hpp"
#include "CMetaItem.hpp"
#include "DeskTestBase.hpp"
#include "IDataAccess.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

#include <functional>

namespace {

// An item with one text property, "Name", and the view that edits it.
class CNameItem : public CMetaItem {
    AFX_DECLARE_CLASS(CNameItem)
public:
    CString m_name = "Alice";
    bool m_hasView = true;
    UINT m_viewOptions = CViewWnd::optionAutoDelete;
    CSize m_viewMin{200, 40};

    CViewWnd * CreateItemView() override;

protected:
    void AddMetaData() override {
        CMetaItem::AddMetaData();
        AddMeta("Name", metaString, &CNameItem::m_name);
    }
};

// Builds its edit when its window has been created, as views build their pages, and only
// then tells its minimum size; writes the edit's text to the item on IDOK and leaves the
// command to its parent.
class CNameView : public CDialogViewWnd {
    AFX_DECLARE_CLASS(CNameView)
    AFX_DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT idEdit = 100;
    static int s_living;

    explicit CNameView(CSize minSize) : m_minSize(minSize) { ++s_living; }
    ~CNameView() override { --s_living; }

protected:
    void OnAttach() override {
        Heard().push_back(IsWindow() ? "attach with window" : "attach without window");
    }
    void OnPostCreate() {
        CItem * item = GetItem();
        auto * edit = new CEditCtrl;
        edit->Create(item->GetDataAccess("Name")->ReadString(item), WS_VISIBLE | WS_TABSTOP,
                     CRect(0, 0, m_minSize.cx, 20), this, idEdit);
        m_built = true;
    }
    void OnGetMinMaxInfo(MINMAXINFO & info) {
        if (m_built)
            info.ptMinTrackSize = CPoint(m_minSize.cx, m_minSize.cy);
    }
    BOOL OnCommand(UINT id, UINT code, CWnd &) {
        if (id != IDOK || code != BN_CLICKED)
            return FALSE;
        Heard().push_back("commit");
        CItem * item = GetItem();
        IDataAccess * name = item->GetDataAccess("Name");
        name->WriteString(item, GetDlgItem(idEdit)->GetWindowText());
        name->NotifyWrite(item);
        return FALSE;
    }

private:
    CSize m_minSize;
    bool m_built = false;
};

int CNameView::s_living = 0;

AFX_IMPLEMENT_CLASS(CNameItem, CMetaItem, &CMetaItem::AfxConstruct)
AFX_IMPLEMENT_CLASS(CNameView, CDialogViewWnd, &CDialogViewWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CNameView, CDialogViewWnd)
AFX_ON_MESSAGE("V-", WM_AFX_POSTCREATE, &CNameView::OnPostCreate)
AFX_ON_MESSAGE("V-2V", WM_GETMINMAXINFO, &CNameView::OnGetMinMaxInfo)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CNameView::OnCommand)
AFX_END_MESSAGE_MAP()

CViewWnd * CNameItem::CreateItemView() {
    if (!m_hasView)
        return nullptr;
    auto * view = new CNameView(m_viewMin);
    view->SetOptions(m_viewOptions);
    return view;
}

class ItemDialog : public DeskTestBase {
protected:
    void TearDown() override {
        DeskTestBase::TearDown();
        EXPECT_EQ(CNameView::s_living, 0) << "the dialog's views are released";
    }
};

} // namespace

TEST_F(ItemDialog, ConfirmingWritesTheItemAndCancellingDoesNot) {
    // clang-format off
    struct Case {
        char const * name;
        std::function<void(CWnd & dialog)> finish;
        int code;
        char const * stored;
        Lines heard;
    } const cases[] = {
        {"OK button", [](CWnd & dialog) { CAutomation::ClickItem(&dialog, IDOK); }, IDOK, "Bob", {"commit"}},
        {"Return in the view", [](CWnd &) { CAutomation::PressKey(VK_RETURN); }, IDOK, "Bob", {"commit"}},
        {"Escape", [](CWnd &) { CAutomation::PressKey(VK_ESCAPE); }, 0, "Alice", {}},
        {"Cancel button", [](CWnd & dialog) { CAutomation::ClickItem(&dialog, IDCANCEL); }, 0, "Alice", {}},
        {"close box", [](CWnd & dialog) { dialog.SendMessage(WM_CLOSE); }, 0, "Alice", {}},
    };
    // clang-format on
    for (UINT options : {CViewWnd::optionAutoDelete, 0u}) {
        for (Case const & test : cases) {
            SCOPED_TRACE(std::string(test.name) + (options ? ", view released with its window"
                                                           : ", view deleted by the dialog"));
            CNameItem item;
            item.m_viewOptions = options;
            CItemDialog dialog(&item, "Edit the name");
            CString focusedText;
            int selected = -1;
            Lines heard;
            CAutomation::OnNextModal([&](CWnd & modal) {
                EXPECT_EQ(modal.GetWindowText(), "Edit the name");
                EXPECT_EQ(dialog.GetView()->GetItem(), &item);
                CWnd * focus = CWnd::GetFocus();
                if (focus && focus->GetID() == CNameView::idEdit) {
                    focusedText = focus->GetWindowText();
                    int start = 0;
                    static_cast<CEditCtrl *>(focus)->GetSel(start, selected);
                }
                CAutomation::TypeText("Bob");
                Heard().clear();
                test.finish(modal);
                heard = Heard();
            });
            Heard().clear();
            EXPECT_EQ(dialog.Execute(&m_main), test.code);
            EXPECT_EQ(focusedText, "Alice") << "the view's edit is focused once it exists";
            EXPECT_EQ(selected, 5);
            EXPECT_EQ(item.m_name, test.stored);
            EXPECT_EQ(item.IsDirty(), test.code == IDOK);
            EXPECT_EQ(heard, test.heard);
            EXPECT_EQ(dialog.GetView(), nullptr);
            EXPECT_EQ(CNameView::s_living, 0);
        }
    }
}

TEST_F(ItemDialog, TheViewIsAttachedBeforeItHasAWindow) {
    CNameItem item;
    CItemDialog dialog(&item, "Edit");
    CAutomation::OnNextModal(CAutomation::Cancel());
    dialog.Execute(&m_main);
    ASSERT_FALSE(Heard().empty());
    EXPECT_EQ(Heard().front(), "attach without window");
}

TEST_F(ItemDialog, TheDialogTakesTheSizeTheViewNeedsOnceItIsBuiltOverItsOwner) {
    for (CSize min : {CSize(200, 40), CSize(60, 150), CSize(420, 90)}) {
        SCOPED_TRACE(min.cx);
        CNameItem item;
        item.m_viewMin = min;
        CItemDialog dialog(&item, "Edit");
        CAutomation::OnNextModal([&](CWnd & modal) {
            EXPECT_EQ(modal.GetParent(), &m_main) << "owned by the main window";
            EXPECT_FALSE(m_main.IsWindowEnabled());
            CWnd * view = dialog.GetView();
            CRect const client = modal.GetClientRect();
            CRect viewRect = view->GetWindowRect();
            modal.ScreenToClient(viewRect);
            EXPECT_EQ(viewRect.Size(), min);
            EXPECT_TRUE(client.Encloses(viewRect));
            CWnd * ok = modal.GetDlgItem(IDOK);
            CWnd * cancel = modal.GetDlgItem(IDCANCEL);
            ASSERT_TRUE(ok && cancel);
            CRect okRect = ok->GetWindowRect();
            CRect cancelRect = cancel->GetWindowRect();
            modal.ScreenToClient(okRect);
            modal.ScreenToClient(cancelRect);
            EXPECT_GT(okRect.top, viewRect.bottom) << "the buttons lie under the view";
            EXPECT_EQ(okRect.top, cancelRect.top);
            EXPECT_LT(okRect.right, cancelRect.left) << "OK before Cancel";
            EXPECT_TRUE(client.Encloses(okRect));
            EXPECT_TRUE(client.Encloses(cancelRect));
            // No more room than the view and the buttons need, margins apart.
            LONG const needed = std::max(viewRect.Width(), cancelRect.right - okRect.left);
            EXPECT_LT(client.Width() - needed, 40);
            EXPECT_LT(client.bottom - cancelRect.bottom, 20);
            // Centred over the main window.
            CRect const over = m_main.GetWindowRect();
            CRect const place = modal.GetWindowRect();
            EXPECT_LE(std::abs((place.left + place.right) - (over.left + over.right)), 1);
            EXPECT_LE(std::abs((place.top + place.bottom) - (over.top + over.bottom)), 1);
            CAutomation::PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(dialog.Execute(&m_main), 0);
    }
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(ItemDialog, AnItemWithoutAViewGivesZeroAtOnceWithATraceLine) {
    CNameItem item;
    item.m_hasView = false;
    struct Case {
        char const * name;
        CItem * item;
    } const cases[] = {{"no view", &item}, {"no item", nullptr}};
    for (Case const & test : cases) {
        SCOPED_TRACE(test.name);
        CAutomation::OnNextModal(CAutomation::Confirm());
        CTraceCapture trace;
        CItemDialog dialog(test.item, "Edit");
        EXPECT_EQ(dialog.Execute(&m_main), 0);
        EXPECT_TRUE(trace.Contains("ERROR: "));
        EXPECT_EQ(CAutomation::GetPendingModalActions(), 1u) << "no dialog was shown";
        CAutomation::Stop();
        CAutomation::Start();
    }
}
