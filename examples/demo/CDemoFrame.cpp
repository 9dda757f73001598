#include "CDemoFrame.hpp"

#include "CItem.hpp"
#include "CMenuButton.hpp"
#include "CStatic.hpp"
#include "CUIViewWnd.hpp"
#include "CViewWnd.hpp"
#include "IDataAccess.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CDemoFrame, CMainWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CDemoFrame, CMainWnd)
AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CDemoFrame::OnSize)
AFX_ON_MESSAGE("V-2V", WM_GETMINMAXINFO, &CDemoFrame::OnGetMinMaxInfo)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CDemoFrame::OnCommand)
AFX_END_MESSAGE_MAP()

namespace {

constexpr LONG labelWidth = 56;
constexpr LONG margin = 8;

struct Setting {
    char const * tag;
    LONG value;
};

struct Preset {
    char const * name;
    Setting settings[4];
};

// The menu's entries: a separator takes no index and a "!" entry is offered greyed, so the
// presets keep the indexes of this table.
constexpr Preset presets[] = {
    {"Bench supply", {{"Voltage", 12000}, {"Current", 250}, {"Mode", 0}, {"Profile", 0}}},
    {"Battery charger", {{"Voltage", 14400}, {"Current", 200}, {"Mode", 0}, {"Profile", 1}}},
    {"LED driver", {{"Voltage", 24000}, {"Current", 70}, {"Mode", 1}, {"Profile", 2}}},
};

} // namespace

BOOL CDemoFrame::Create(char const * title, CItem & item, CViewWnd * view) {
    m_item = &item;
    if (!CMainWnd::Create(title, CRect(0, 0, 640, 480)))
        return FALSE;
    auto * label = new CStatic;
    m_presets = new CMenuButton;
    for (Preset const & preset : presets)
        m_presets->AddString(preset.name);
    m_presets->AddString("-");
    m_presets->AddString("!Factory calibration");
    if (!label->Create("Preset:", WS_VISIBLE | SS_LEFT,
                       CRect(margin, 9, margin + labelWidth, stripHeight - 6), this, 0) ||
        !m_presets->Create(CRect(margin + labelWidth, 5, margin + labelWidth + 8, stripHeight - 4),
                           this, idPresets))
        return FALSE;
    CSize const face = m_presets->GetSize();
    m_presets->MoveWindow(
        CRect(CPoint(margin + labelWidth, 4), CSize(face.cx + 8, stripHeight - 8)));
    m_presets->ShowWindow(SW_SHOW);
    view->Attach(&item);
    if (!view->Create(this, CRect(0, stripHeight, 640, 480), idView))
        return FALSE;
    m_view = view;
    MINMAXINFO info{};
    SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    MoveWindow(CRect(CPoint(0, 0), CSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y)));
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CDemoFrame::OnSize(UINT, CSize size) {
    if (m_view && m_view->IsWindow())
        m_view->MoveWindow(CRect(0, stripHeight, size.cx, std::max<LONG>(size.cy, stripHeight)));
}

void CDemoFrame::OnGetMinMaxInfo(MINMAXINFO & info) {
    MINMAXINFO asked{};
    if (m_view && m_view->IsWindow())
        m_view->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&asked));
    info.ptMinTrackSize.x = std::max<LONG>(asked.ptMinTrackSize.x, 320);
    info.ptMinTrackSize.y = asked.ptMinTrackSize.y + stripHeight;
}

BOOL CDemoFrame::OnCommand(UINT id, UINT code, CWnd &) {
    if (id != idPresets || code != BN_CLICKED)
        return FALSE;
    if (m_presets->ShowMenu())
        ApplyPreset(m_presets->GetData());
    return TRUE;
}

void CDemoFrame::ApplyPreset(UINT index) {
    if (index >= std::size(presets))
        return;
    for (Setting const & setting : presets[index].settings)
        if (IDataAccess const * access = m_item->GetDataAccess(setting.tag)) {
            access->WriteInteger(m_item, setting.value);
            access->NotifyWrite(m_item);
        }
    if (auto * view = dynamic_cast<CUIViewWnd *>(m_view))
        view->UpdateUI();
}
