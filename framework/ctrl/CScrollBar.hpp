#pragma once

#include "CCtrlWnd.hpp"
#include "ScrollBarMessages.hpp"
#include "haldenctrl_export.h"

// A scroll bar control (window class "scrollbar"): an arrow button at each end and a trough
// between them with a thumb that shows the position. SBS_HORZ bars lie across, SBS_VERT
// bars upright. A new bar has the empty range 0 to 0 and shows no thumb until there is
// something to scroll. This object sends the window the messages of ScrollBarMessages.hpp.
//
// The bar does not move itself: it asks its parent, which answers by setting the position.
// The parent hears WM_HSCROLL (SBS_HORZ) or WM_VSCROLL (SBS_VERT) with the request code in
// the low word of wParam and the bar's handle in lParam:
// - an arrow pressed with the left mouse button sends SB_LINEUP (SB_LINELEFT) or
//   SB_LINEDOWN (SB_LINERIGHT); the page area before or after the thumb sends SB_PAGEUP or
//   SB_PAGEDOWN. Held, the request repeats after repeatDelay and then every repeatInterval
//   milliseconds of the window system's clock while the pointer stays on the part (a page
//   area ends where the thumb now lies);
// - the thumb dragged follows the pointer and sends SB_THUMBTRACK with the position it
//   stands for, in the high word, each time that changes, and SB_THUMBPOSITION with the
//   final one when it is let go;
// - every press ends with SB_ENDSCROLL, also when it is cancelled (Escape, the capture or
//   the focus lost, the bar disabled); a cancelled drag first sends SB_THUMBPOSITION with
//   the position it started from.
// With the focus (a WS_TABSTOP bar takes it when clicked), Left and Up send SB_LINEUP,
// Right and Down SB_LINEDOWN, Page Up and Page Down the page codes, Home SB_TOP and End
// SB_BOTTOM, repeating with the keyboard's own repeat; letting the key go sends
// SB_ENDSCROLL.
//
// The program's own changes (SetScrollPos, SetScrollRange, SetScrollInfo) send nothing.
// A disabled bar ignores the mouse and keys and shows greyed arrows and no thumb.
class HALDENCTRL_EXPORT CScrollBar : public CCtrlWnd {
    AFX_DECLARE_CLASS(CScrollBar)
    AFX_DECLARE_CONSTRUCT(CScrollBar)
public:
    // The auto-repeat of held arrows and page areas, in milliseconds.
    static constexpr UINT repeatDelay = 400;
    static constexpr UINT repeatInterval = 50;

    CScrollBar() = default;

    char const * GetWindowClassName() const override;
    // The window class's name; registers the class on first use.
    static char const * WindowClassName();

    // Sets the position, clamped to the range; returns the old position.
    int SetScrollPos(int pos, BOOL redraw = TRUE);
    int GetScrollPos() const;
    // Sets the range (a maximum below the minimum is taken as the minimum); the position is
    // clamped into it.
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int & minPos, int & maxPos) const;
    // The largest position the range and page size allow.
    int GetScrollLimit() const;
    // Range, page size and position at once, as the mask says.
    BOOL SetScrollInfo(SCROLLINFO const & info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(SCROLLINFO & info, UINT mask = SIF_ALL) const;
    // Where the arrows and the thumb are drawn, and which part is pressed.
    BOOL GetScrollBarInfo(SCROLLBARINFO & info) const;
};
