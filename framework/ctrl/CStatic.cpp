#include "CStatic.hpp"

#include "internal/StaticWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CStatic, CCtrlWnd)

char const * CStatic::GetWindowClassName() const {
    return WindowClassName();
}

char const * CStatic::WindowClassName() {
    return StaticWindow::ClassName();
}
