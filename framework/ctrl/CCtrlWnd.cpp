#include "CCtrlWnd.hpp"

#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CCtrlWnd, CWnd, &CWnd::AfxConstruct)

BOOL CCtrlWnd::Create(char const * text, DWORD style, CRect const & rect, CWnd * parent, UINT id) {
    return Create(text, style, 0, rect, parent, id);
}

BOOL CCtrlWnd::Create(char const * text, DWORD style, DWORD exStyle, CRect const & rect,
                      CWnd * parent, UINT id) {
    if (!CreateEx(exStyle, GetWindowClassName(), text, style | WS_CHILD, rect, parent, id))
        return FALSE;
    SetAutoDelete(TRUE);
    return TRUE;
}

bool CCtrlWnd::NotifyParent(HWND control, UINT code) {
    CWnd * wnd = CWnd::FromHandle(control);
    CWnd * parent = wnd ? wnd->GetParent() : nullptr;
    if (!parent)
        return wnd != nullptr;
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(wnd->GetID(), code),
                        reinterpret_cast<LPARAM>(control));
    return CWnd::IsWindow(control);
}

LRESULT CCtrlWnd::NotifyParent(HWND control, NMHDR & header) {
    CWnd * wnd = CWnd::FromHandle(control);
    CWnd * parent = wnd ? wnd->GetParent() : nullptr;
    if (!parent)
        return 0;
    header.hwndFrom = control;
    header.idFrom = wnd->GetID();
    return parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}
