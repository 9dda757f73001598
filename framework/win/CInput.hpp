#pragma once

#include "CPoint.hpp"
#include "WinTypes.hpp"
#include "haldenwin_export.h"

// The one entry point of user input, whatever its source (the display's events or the
// automation API). From here input takes the real road: the focus window or the window under
// the pointer, the dialog manager (Tab, Shift+Tab, arrows in groups, Return, Escape, as the
// focused control's WM_GETDLGCODE answer allows), then the window's own handling. While a
// modal loop runs, input for other windows is dropped.
class HALDENWIN_EXPORT CInput {
public:
    enum Button { buttonLeft = 0, buttonRight = 1, buttonMiddle = 2 };

    // A key goes down (WM_KEYDOWN to the focus window, or a dialog key); Backspace, Tab,
    // Return and Escape that reach the window also give their character (WM_CHAR).
    static void KeyDown(UINT key);
    static void KeyUp(UINT key);
    // A typed character (a Unicode code point): WM_CHAR to the focus window.
    static void Char(UINT codePoint);
    // Mouse input at a point on the screen. A button going down on a window whose class
    // takes the focus on a click gives it the focus first.
    // The second press of a double click gives WM_xBUTTONDBLCLK to windows whose class asks
    // for double clicks, and a plain press to others.
    static void MouseDown(CPoint screen, Button button, bool doubleClick = false);
    static void MouseUp(CPoint screen, Button button);
    static void DoubleClick(CPoint screen, Button button);
    static void MouseMove(CPoint screen);
    static void MouseWheel(CPoint screen, int delta);

    // The window under a point on the screen: the deepest visible window there, or null.
    static HWND WindowFromPoint(CPoint screen);
    // Releases every key and button held (when the display loses the keyboard).
    static void ReleaseAll();

    // Mouse observers: the observer window hears of every mouse message that input delivers
    // to the watched window or to a window below it, just before that window gets it, as
    // `message` with lParam pointing at the MSG (the target window, the message and its
    // parameters, pt the point on the screen). Tooltips watch their tools' windows this way.
    // Adding an observer twice keeps one; it is forgotten when either window is destroyed.
    static void AddMouseObserver(HWND watched, HWND observer, UINT message);
    static void RemoveMouseObserver(HWND watched, HWND observer);
};

// The state of a key: the high bit (the value is negative) while it is held down.
HALDENWIN_EXPORT short GetKeyState(UINT key);
// Where the mouse is on the screen: the point of the last mouse input. Always TRUE.
HALDENWIN_EXPORT BOOL GetCursorPos(CPoint * point);
