#pragma once

#include "AfxTypes.hpp"
#include "WinTypes.hpp"
#include "haldenwin_export.h"

class CWnd;

// The user-interface state of one thread: its main window and its message loop. Each thread
// has one object, made the first time the thread asks for it.
//
// The main window is the owner of the thread's dialogs and the window that commands go to;
// the thread forgets it when its window is destroyed, so GetMainWnd never gives a window
// that is gone.
class HALDENWIN_EXPORT CThread {
public:
    // The calling thread's object.
    static CThread * FindInstance();

    CThread(CThread const &) = delete;
    CThread & operator=(CThread const &) = delete;

    // The main window, or null when there is none or its window has been destroyed.
    CWnd * GetMainWnd() const;
    // Makes a window the main window (null: none). A window object without a window counts
    // as none.
    void SetMainWnd(CWnd * wnd);

    // Handles messages, timers and painting until the main window has been destroyed; with
    // no main window it handles what is queued and returns. TRUE when the loop ended because
    // the main window went (or there was none); FALSE, with an "ERROR: " trace line, when
    // nothing more could ever come while the main window was still there (a headless
    // program without a display).
    BOOL Run();

private:
    CThread() = default;

    HWND m_mainWnd = nullptr;
};
