#pragma once

#include "CRect.hpp"
#include "WinTypes.hpp"

class CSurface;
struct CWindowRecord;

// The window system's one line to the installed display: what happens to top-level windows
// and the pictures painted for them. Child windows never reach the display, and without a
// display (headless) every call does nothing.
class CDisplayLink {
public:
    // With what the window was created with, whatever its creation messages changed since.
    static void WindowCreated(HWND hwnd, CRect const & rect, DWORD style, char const * caption);
    static void WindowDestroyed(CWindowRecord const & rec);
    static void WindowMoved(CWindowRecord const & rec);
    static void WindowShown(CWindowRecord const & rec, bool show);
    static void CaptionChanged(CWindowRecord const & rec);
    static void Present(CWindowRecord const & rec);
};
