#include "CUIEditCtrl.hpp"

#include "CDialogManager.hpp"
#include "CInput.hpp"
#include "CPaintDC.hpp"
#include "CStdTools.hpp"
#include "CUIElement.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CUIEditCtrl, CEditCtrl, &CEditCtrl::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CUIEditCtrl, CEditCtrl)
AFX_ON_MESSAGE("V-", WM_PAINT, &CUIEditCtrl::OnPaint)
AFX_ON_MESSAGE("V-1w", WM_KILLFOCUS, &CUIEditCtrl::OnKillFocus)
AFX_ON_MESSAGE("L-2L", WM_GETDLGCODE, &CUIEditCtrl::OnGetDlgCode)
AFX_ON_MESSAGE("V-1L2L", WM_KEYDOWN, &CUIEditCtrl::OnKeyDown)
AFX_ON_MESSAGE("V-1L2L", WM_KEYUP, &CUIEditCtrl::OnKeyUp)
AFX_ON_MESSAGE("V-1L2L", WM_CHAR, &CUIEditCtrl::OnChar)
AFX_END_MESSAGE_MAP()

namespace {

// Tab, Return and Escape: the same numbers as keys and as characters.
bool IsDialogKey(UINT code) {
    return code == VK_TAB || code == VK_RETURN || code == VK_ESCAPE;
}

} // namespace

CUIEditCtrl::CUIEditCtrl(CUIElement * element) : CUIEditCtrl(element, element) {}

CUIEditCtrl::CUIEditCtrl(CUIElement * load, CUIElement * save)
    : m_loadElement(load), m_saveElement(save) {}

void CUIEditCtrl::SetDefault(char const * text) {
    if (m_default == text)
        return;
    m_default = text;
    if (GetSafeHwnd())
        Invalidate(TRUE);
}

void CUIEditCtrl::ForceUpdate() {
    CWnd * parent = GetParent();
    if (!parent)
        return;
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetID(), CUIElement::codeForceUpdate),
                        reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

CWnd * CUIEditCtrl::FindParent() {
    CWnd * wnd = GetParent();
    while (wnd && (wnd->GetExStyle() & WS_EX_CONTROLPARENT) && (wnd->GetStyle() & WS_CHILD))
        wnd = wnd->GetParent();
    return wnd;
}

void CUIEditCtrl::HandleTab() {
    BOOL const back = GetKeyState(VK_SHIFT) < 0;
    CWnd * dialog = FindParent();
    AfxSetDlgFocus(GetNextDlgTabItem(dialog, this, back));
}

bool CUIEditCtrl::ShowsDefault() const {
    return !m_default.IsEmpty() && GetWindowText().IsEmpty() && GetFocus() != this &&
           IsWindowEnabled();
}

void CUIEditCtrl::OnPaint() {
    if (!ShowsDefault()) {
        AfxCallDefProc(WM_PAINT, 0, 0);
        return;
    }
    // The control paints its empty field into the same context first; painting in two
    // contexts would let the second wipe out the first.
    CPaintDC dc(this);
    AfxCallDefProc(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<CDC *>(&dc)), 0);
    CStdTools const & tools = *CStdTools::FindInstance();
    dc.FillRect(GetClientRect(), tools.GetBrush(CStdTools::colorWindow));
    dc.SetTextColor(tools.GetColor(CStdTools::colorGrayText));
    dc.SetBkMode(TRANSPARENT);
    dc.Select(tools.GetCtrlFont());
    dc.TextOut(5, 2, m_default.Find("[:") != CString::npos ? "Default" : m_default.GetString());
    dc.Deselect();
}

void CUIEditCtrl::OnKillFocus(CWnd & next) {
    if (!m_default.IsEmpty() && GetWindowText().IsEmpty() && IsWindowEnabled())
        Invalidate(TRUE);
    AfxCallDefProc(WM_KILLFOCUS, reinterpret_cast<WPARAM>(next.GetSafeHwnd()), 0);
}

LRESULT CUIEditCtrl::OnGetDlgCode(MSG * msg) {
    LRESULT code = DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTCHARS;
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP))
        return code;
    switch (msg->wParam) {
    case VK_TAB:
    case VK_RETURN:
        code |= DLGC_WANTMESSAGE;
        break;
    case VK_ESCAPE:
        if (GetModify())
            code |= DLGC_WANTMESSAGE;
        break;
    default:
        break;
    }
    return code;
}

void CUIEditCtrl::OnKeyDown(UINT key, DWORD flags) {
    switch (key) {
    case VK_TAB:
        if (GetModify()) {
            unsigned int const saved = m_saveElement->SaveUI(TRUE);
            if (saved >= 2)
                return;
            if (saved == 1)
                ForceUpdate();
        }
        HandleTab();
        return;
    case VK_RETURN:
        if (!GetModify()) {
            SetSel(CRange(TRUE));
            return;
        }
        switch (m_saveElement->SaveUI(TRUE)) {
        case 0:
            SetSel(CRange(TRUE));
            break;
        case 1:
            ForceUpdate();
            break;
        default:
            break;
        }
        return;
    case VK_ESCAPE:
        m_loadElement->LoadUI();
        return;
    default:
        AfxCallDefProc(WM_KEYDOWN, key, flags);
        return;
    }
}

void CUIEditCtrl::OnKeyUp(UINT key, DWORD flags) {
    if (!IsDialogKey(key))
        AfxCallDefProc(WM_KEYUP, key, flags);
}

void CUIEditCtrl::OnChar(UINT ch, DWORD flags) {
    if (!IsDialogKey(ch))
        AfxCallDefProc(WM_CHAR, ch, flags);
}
