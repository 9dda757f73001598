#include "CDialogViewWnd.hpp"

#include "CDialogManager.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_DYNCREATE(CDialogViewWnd, CViewWnd)

AFX_BEGIN_MESSAGE_MAP(CDialogViewWnd, CViewWnd)
AFX_ON_MESSAGE("V-1L2w", WM_AFX_CHILDFOCUS, &CDialogViewWnd::OnFocusNotify)
AFX_ON_MESSAGE("V-1w", WM_SETFOCUS, &CDialogViewWnd::OnSetFocus)
AFX_ON_RANGE("C-5W6W2w", WM_COMMAND, IDOK, IDCANCEL, &CDialogViewWnd::OnDialogCommand)
AFX_END_MESSAGE_MAP()

BOOL CDialogViewWnd::Create(CWnd * parent, CRect const & rect, UINT id) {
    if (!CreateEx(WS_EX_CONTROLPARENT, nullptr, "", WS_CHILD | WS_VISIBLE, rect, parent, id))
        return FALSE;
    SetDialogStyle(TRUE);
    return TRUE;
}

void CDialogViewWnd::SetDlgFocus(CWnd * control) {
    AfxSetDlgFocus(control);
}

void CDialogViewWnd::OnFocusNotify(UINT, CWnd &) {
    SetCurrent(TRUE);
}

void CDialogViewWnd::OnSetFocus(CWnd &) {
    CWnd * first = GetNextDlgTabItem(this, nullptr, FALSE);
    if (first && first != this)
        SetDlgFocus(first);
}

BOOL CDialogViewWnd::OnDialogCommand(UINT id, UINT code, CWnd &) {
    CWnd * parent = (GetStyle() & WS_CHILD) ? GetParent() : nullptr;
    if (!parent)
        return FALSE;
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetSafeHwnd()));
    return TRUE;
}
