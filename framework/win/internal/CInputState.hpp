#pragma once

#include "WinTypes.hpp"

class CWindowManager;

// Where keyboard and mouse input go: the focus window and the capture window. Moving the
// focus sends WM_KILLFOCUS to the old window, WM_SETFOCUS to the new one and
// WM_AFX_CHILDFOCUS to the dialog around it; moving the capture sends WM_CAPTURECHANGED to
// the window that loses it.
class CInputState {
public:
    explicit CInputState(CWindowManager & manager) : m_manager(manager) {}

    HWND GetFocus() const { return m_focus; }
    // Gives the old focus window; a destroyed or disabled window does not take the focus.
    HWND SetFocus(HWND hwnd);
    HWND GetCapture() const { return m_capture; }
    void SetCapture(HWND hwnd);
    // Removes the focus or capture when it lies in the given window or below it.
    void LoseFocusWithin(HWND hwnd);

private:
    CWindowManager & m_manager;
    HWND m_focus = nullptr;
    HWND m_capture = nullptr;
};
