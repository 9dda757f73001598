#pragma once

#include "CWnd.hpp"
#include "haldendesk_export.h"

// The command that tells the views of a main window that its balloon mode changed: sent as
// WM_AFX_COMMAND with this identifier in wParam.
inline constexpr UINT ID_VIEW_BALLOONMODE = 0x860A;

// The program's top-level frame window. Creating it makes it the main window of the calling
// thread when the thread has none (CThread::SetMainWnd); destroying it ends the thread's
// message loop (CThread::Run).
//
// The balloon mode says how the views show help balloons: balloonOff, balloonHover (when
// the mouse rests over an element) or balloonTracking (for the control that has the focus).
// Views read it with GetBalloonMode when they make their balloons, and hear of each change
// through ID_VIEW_BALLOONMODE.
class HALDENDESK_EXPORT CMainWnd : public CWnd {
    AFX_DECLARE_CLASS(CMainWnd)
    AFX_DECLARE_CONSTRUCT(CMainWnd)
public:
    static constexpr UINT balloonOff = 0;
    static constexpr UINT balloonHover = 1;
    static constexpr UINT balloonTracking = 2;

    CMainWnd() = default;

    // Creates the window on the screen with a caption; `style` adds to WS_OVERLAPPED |
    // WS_CAPTION | WS_SYSMENU | WS_THICKFRAME (WS_VISIBLE shows it at once).
    BOOL Create(char const * title, CRect const & rect, DWORD style = 0);

    UINT GetBalloonMode() const { return m_balloonMode; }
    // Stores the mode and, when it changed, sends WM_AFX_COMMAND with ID_VIEW_BALLOONMODE to
    // every view (CViewWnd) below the window, parents before their children, each once.
    // The mode can be set before the window exists; then no view hears of it.
    void SetBalloonMode(UINT mode);

private:
    UINT m_balloonMode = balloonOff;
};
