#include "SystemMetrics.hpp"

namespace {

CSize g_screen(1920, 1080);

// The drawn check mark of menu items is a square of this side.
constexpr int menuCheck = 13;

} // namespace

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return g_screen.cx;
    case SM_CYSCREEN:
        return g_screen.cy;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return menuCheck;
    default:
        return 0;
    }
}

void AfxSetScreenSize(CSize size) {
    g_screen = size;
}
