#include "internal/ComboEdit.hpp"

#include "ComboBoxMessages.hpp"
#include "VirtualKeys.hpp"
#include "WinMessages.hpp"

LRESULT ComboEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd * combo = GetParent();
    if (!combo)
        return CEditCtrl::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_KEYDOWN:
        if (IsComboKey(static_cast<UINT>(wParam)))
            return combo->SendMessage(message, wParam, lParam);
        break;
    case WM_GETDLGCODE: {
        HWND const hwnd = GetSafeHwnd();
        LRESULT const own = CEditCtrl::WndProc(message, wParam, lParam);
        if (!CWnd::IsWindow(hwnd))
            return own;
        return own | (combo->SendMessage(message, wParam, lParam) & DLGC_WANTMESSAGE);
    }
    default:
        break;
    }
    return CEditCtrl::WndProc(message, wParam, lParam);
}

bool ComboEdit::IsComboKey(UINT key) const {
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_F4:
        return true;
    case VK_RETURN:
    case VK_ESCAPE:
        return IsDropped();
    default:
        return false;
    }
}

bool ComboEdit::IsDropped() const {
    CWnd * combo = GetParent();
    return combo && combo->SendMessage(CB_GETDROPPEDSTATE) != 0;
}
