#pragma once

#include "CDisplay.hpp"
#include "CString.hpp"
#include "haldendisplay_export.h"

#include <memory>

// The desktop through SDL2: every top-level window becomes a real window that shows the
// picture the window system painted on the Cairo device. The desktop's mouse, keyboard and
// text input enter through CInput; resizing a window sends WM_SIZE within the limits its
// WM_GETMINMAXINFO answer gives, closing it sends WM_CLOSE, and a request to quit (a signal
// to end the program) closes the thread's main window. While the display is open the edit
// controls use the desktop's clipboard and timers run on the monotonic clock.
class HALDENDISPLAY_EXPORT CSDLDisplay : public CDisplay {
public:
    CSDLDisplay();
    ~CSDLDisplay() override;
    CSDLDisplay(CSDLDisplay const &) = delete;
    CSDLDisplay & operator=(CSDLDisplay const &) = delete;

    // Connects to the desktop and installs the display, its Cairo screen device and the
    // desktop's clipboard; FALSE, with the reason in `error`, when there is no desktop. Open
    // it before the first window is created.
    BOOL Open(CString & error);
    // Uninstalls everything Open installed and leaves the desktop; the windows still there
    // stay without a picture on it.
    void Close();
    BOOL IsOpen() const;

    void WindowCreated(HWND hwnd, CRect const & rect, DWORD style, char const * caption) override;
    void WindowDestroyed(HWND hwnd) override;
    void WindowMoved(HWND hwnd, CRect const & rect) override;
    void WindowShown(HWND hwnd, bool show) override;
    void CaptionChanged(HWND hwnd, char const * caption) override;
    void Present(HWND hwnd, CSurface const & picture) override;
    bool WaitEvents(int milliseconds) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
