#include "CUIToolTip.hpp"

#include "CUIViewWnd.hpp"

LRESULT CUIToolTip::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT const result = CToolTip::WndProc(message, wParam, lParam);
    if (message != TTM_WINDOWFROMPOINT)
        return result;
    for (CWnd * wnd = CWnd::FromHandle(reinterpret_cast<HWND>(result)); wnd; wnd = wnd->GetParent())
        if (wnd->IsKindOf(CUIViewWnd::AfxStaticClassInfo()))
            return reinterpret_cast<LRESULT>(wnd->GetSafeHwnd());
    return 0;
}
