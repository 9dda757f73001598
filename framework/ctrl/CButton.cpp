#include "CButton.hpp"

#include "internal/ButtonWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CButton, CCtrlWnd)

// Empty: the behaviour is the window class's; classes derived from CButton chain here.
AFX_BEGIN_MESSAGE_MAP(CButton, CCtrlWnd)
AFX_END_MESSAGE_MAP()

char const * CButton::GetWindowClassName() const {
    return WindowClassName();
}

char const * CButton::WindowClassName() {
    return ButtonWindow::ClassName();
}

LRESULT CButton::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    // Queries do not change the object; the window answers them.
    return const_cast<CButton *>(this)->SendMessage(message, wParam, lParam);
}

void CButton::SetCheck(int check) {
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
}

int CButton::GetCheck() const {
    return static_cast<int>(Send(BM_GETCHECK));
}

BOOL CButton::IsChecked() const {
    return GetCheck() == BST_CHECKED ? TRUE : FALSE;
}

void CButton::SetState(BOOL pushed) {
    SendMessage(BM_SETSTATE, pushed ? TRUE : FALSE);
}

UINT CButton::GetState() const {
    return static_cast<UINT>(Send(BM_GETSTATE));
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
    SendMessage(BM_SETSTYLE, style, redraw ? TRUE : FALSE);
}

UINT CButton::GetButtonStyle() const {
    return GetStyle() & 0xFFFF;
}

void CButton::Click() {
    SendMessage(BM_CLICK);
}
