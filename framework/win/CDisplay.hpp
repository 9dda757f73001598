#pragma once

#include "CRect.hpp"
#include "WinTypes.hpp"
#include "haldenwin_export.h"

class CSurface;

// A desktop that shows the top-level windows as real windows. The window system tells the
// installed display what happens to its top-level windows (main window, dialogs, pop-up
// menus, drop lists, tooltips) and hands it each picture after painting; the display feeds
// the desktop's events back through CInput and the window calls (WM_SIZE, WM_CLOSE).
// Without a display the window system runs headless and nothing here is called.
class HALDENWIN_EXPORT CDisplay {
public:
    virtual ~CDisplay() = default;

    // A top-level window was created (hidden unless its style has WS_VISIBLE) at a rectangle
    // on the screen.
    virtual void WindowCreated(HWND hwnd, CRect const & rect, DWORD style,
                               char const * caption) = 0;
    virtual void WindowDestroyed(HWND hwnd) = 0;
    virtual void WindowMoved(HWND hwnd, CRect const & rect) = 0;
    virtual void WindowShown(HWND hwnd, bool show) = 0;
    virtual void CaptionChanged(HWND hwnd, char const * caption) = 0;
    // A window's picture was painted and is ready to be shown.
    virtual void Present(HWND hwnd, CSurface const & picture) = 0;
    // Waits for the desktop's events, at most a number of milliseconds (-1: without limit),
    // and handles every event that arrived. False when no event can ever come again.
    virtual bool WaitEvents(int milliseconds) = 0;

    // The installed display, or null when the program runs headless.
    static CDisplay * GetCurrent();
    // Installs a display (null: headless again). From then on message loops wait on its
    // events until the next timer is due. The caller keeps the display alive while it is
    // installed.
    static void SetCurrent(CDisplay * display);
};
