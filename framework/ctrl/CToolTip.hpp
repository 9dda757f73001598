#pragma once

#include "CColor.hpp"
#include "CCtrlWnd.hpp"
#include "ToolTipMessages.hpp"
#include "haldenctrl_export.h"

// A tooltip control (window class "tooltips_class32"): a hidden top-level pop-up window
// that shows the tip of one tool at a time, sized to the tip's text (wrapped at the largest
// tip width when one is set) and its title, as a plain box or, with TTS_BALLOON, as a
// balloon whose stem points at the mouse or the track point. The mouse passes through a tip
// to the windows beneath it. Delays run on the window system's clock.
//
// Hover tools: when the mouse rests on a tool for the initial delay (the mouse moving
// within the tool starts it again), its tip shows below the mouse pointer; it hides after
// the auto-pop delay, when the mouse leaves the tool, or when a mouse button goes down, and
// shows again only after the mouse has left the tool. Moving from a tool whose tip showed
// onto another shows the other's after the reshow delay. The tool under the mouse is found
// by asking the tooltip itself for the window there (TTM_WINDOWFROMPOINT) and then for a
// tool of that window whose rectangle holds the point.
//
// Tracking tools (TTF_TRACK): a tip shows between TrackActivate(TRUE) and
// TrackActivate(FALSE), at the TrackPosition point, without delays and without hiding by
// itself; while one shows, hovering shows nothing.
//
// Notifications, both as WM_NOTIFY to the tool's window (hwnd of its TOOLINFO) with the
// tool's uId as identifier and the tooltip as the sender:
// - TTN_SHOW when a tip is about to show: the tooltip window has its size and its own
//   place already, and stays where the handler leaves it (a handler that moves it answers
//   1 by custom). The tip shows unless the tooltip was destroyed or the tip hidden
//   meanwhile.
// - TTN_POP when a tip that showed hides, unless the tool's window is gone.
// The program's own changes (UpdateTipText, NewToolRect, SetTitle ...) send nothing; a tip
// that shows takes them at once, and grows or shrinks from the corner its stem points from.
//
// A tool's window that is destroyed takes its tips down with it: the tooltip notices within
// a tenth of a second. The tooltip itself is destroyed with its owner.
class HALDENCTRL_EXPORT CToolTip : public CCtrlWnd {
    AFX_DECLARE_CLASS(CToolTip)
    AFX_DECLARE_CONSTRUCT(CToolTip)
public:
    CToolTip() = default;

    char const * GetWindowClassName() const override;
    // The window class's name; registers the class on first use.
    static char const * WindowClassName();

    // Creates the tooltip window, hidden, owned by `owner` (may be null), with TTS_ styles.
    // Like other controls, the object is the framework's from then on: it is deleted after
    // its window's last message.
    BOOL Create(CWnd * owner, DWORD style = 0);

    BOOL AddTool(TOOLINFO const & info);
    void DelTool(CWnd * wnd, std::uintptr_t id);
    void NewToolRect(CWnd * wnd, std::uintptr_t id, CRect const & rect);
    void UpdateTipText(char const * text, CWnd * wnd, std::uintptr_t id);
    // FALSE when there is no such tool. info.cbSize says whether lParam is filled in.
    BOOL GetToolInfo(TOOLINFO & info, CWnd * wnd, std::uintptr_t id) const;
    int GetToolCount() const;
    // Whether a tip shows, and which tool's (info.cbSize set by the caller).
    BOOL GetCurrentTool(TOOLINFO & info) const;

    // The width at which tip texts wrap (-1: none); returns the width before.
    int SetMaxTipWidth(int width);
    int GetMaxTipWidth() const;
    BOOL SetTitle(UINT icon, char const * title);
    void SetDelayTime(UINT which, int milliseconds);
    int GetDelayTime(UINT which) const;
    void SetTipBkColor(CColor color);
    CColor GetTipBkColor() const;
    void SetTipTextColor(CColor color);
    CColor GetTipTextColor() const;

    void Activate(BOOL activate);
    // Hides the tip that shows; a tracking tip is deactivated.
    void Pop();
    void TrackActivate(BOOL activate, CWnd * wnd, std::uintptr_t id);
    // The track point on the screen.
    void TrackPosition(int x, int y);
    // Passes on a mouse message of a hover tool's window that the tooltip does not watch
    // itself.
    void RelayEvent(MSG const * msg);

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
