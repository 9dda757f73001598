#include "CUIEditIntegerCtrl.hpp"

#include "CInput.hpp"
#include "CUIEditInteger.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CUIEditIntegerCtrl, CUIEditCtrl, &CEditCtrl::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CUIEditIntegerCtrl, CUIEditCtrl)
AFX_ON_MESSAGE("V-1L2L", WM_KEYDOWN, &CUIEditIntegerCtrl::OnKeyDown)
AFX_ON_MESSAGE("V-1L2L", WM_KEYUP, &CUIEditIntegerCtrl::OnKeyUp)
AFX_ON_MESSAGE("V-1L2L", WM_TIMER, &CUIEditIntegerCtrl::OnTimer)
AFX_END_MESSAGE_MAP()

UINT CUIEditIntegerCtrl::m_timerQuick = CWnd::AllocTimerID();

namespace {

bool ControlDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

} // namespace

CUIEditIntegerCtrl::CUIEditIntegerCtrl(CUIEditInteger * owner)
    : CUIEditCtrl(owner), m_owner(owner) {}

void CUIEditIntegerCtrl::StartQuick() {
    if (!m_firstKey)
        return;
    SetTimer(m_timerQuick, 1000);
    m_firstKey = FALSE;
}

void CUIEditIntegerCtrl::OnKeyDown(UINT key, DWORD flags) {
    switch (key) {
    case VK_PRIOR:
        m_owner->Scroll(SB_PAGEUP);
        return;
    case VK_NEXT:
        m_owner->Scroll(SB_PAGEDOWN);
        return;
    case VK_END:
        if (!ControlDown())
            break;
        m_owner->Scroll(SB_BOTTOM);
        return;
    case VK_HOME:
        if (!ControlDown())
            break;
        m_owner->Scroll(SB_TOP);
        return;
    case VK_UP:
        StartQuick();
        m_owner->Scroll(m_quick ? SB_PAGEUP : SB_LINEUP);
        return;
    case VK_DOWN:
        StartQuick();
        m_owner->Scroll(m_quick ? SB_PAGEDOWN : SB_LINEDOWN);
        return;
    default:
        break;
    }
    CUIEditCtrl::OnKeyDown(key, flags);
}

void CUIEditIntegerCtrl::OnKeyUp(UINT key, DWORD flags) {
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
        return;
    case VK_END:
    case VK_HOME:
        if (ControlDown())
            return;
        break;
    case VK_UP:
    case VK_DOWN:
        m_firstKey = TRUE;
        m_quick = FALSE;
        KillTimer(m_timerQuick);
        return;
    default:
        break;
    }
    CUIEditCtrl::OnKeyUp(key, flags);
}

void CUIEditIntegerCtrl::OnTimer(UINT id, LPARAM proc) {
    if (id == m_timerQuick)
        m_quick = TRUE;
    AfxCallDefProc(WM_TIMER, id, proc);
}
