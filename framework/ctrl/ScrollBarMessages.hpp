#pragma once

#include "AfxTypes.hpp"
#include "CRect.hpp"
#include "WinConstants.hpp"

// Messages of the scroll bar control ("scrollbar" window class), with their standard
// numbers. The SB_ request codes that the bar sends its parent in WM_HSCROLL and WM_VSCROLL
// live in WinConstants.hpp.
//
// A bar has a range from a minimum to a maximum, a page size and a position. The position
// runs from the minimum to the largest position: the maximum, or with a page size p above
// 0, the maximum - p + 1. A maximum below the minimum is taken as the minimum; a page
// larger than the range is taken as the whole range. Positions given are clamped.

// Sets the position to wParam, repainting when lParam is nonzero; the old position.
inline constexpr UINT SBM_SETPOS = 0x00E0;
// The position.
inline constexpr UINT SBM_GETPOS = 0x00E1;
// Sets the range (wParam the minimum, lParam the maximum) without repainting; the old
// position.
inline constexpr UINT SBM_SETRANGE = 0x00E2;
// The range: wParam and lParam, when not null, point at ints that receive the minimum and
// the maximum.
inline constexpr UINT SBM_GETRANGE = 0x00E3;
// SBM_SETRANGE, repainting.
inline constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
// Sets what lParam's SCROLLINFO names in its mask, repainting when wParam is nonzero; the
// new position.
inline constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
// Fills what lParam's SCROLLINFO names in its mask; TRUE.
inline constexpr UINT SBM_GETSCROLLINFO = 0x00EA;
// Fills lParam's SCROLLBARINFO with the parts of the bar as they are drawn now; TRUE.
inline constexpr UINT SBM_GETSCROLLBARINFO = 0x00EB;

// The members of a SCROLLINFO that a call reads or fills.
inline constexpr UINT SIF_RANGE = 0x0001;
inline constexpr UINT SIF_PAGE = 0x0002;
inline constexpr UINT SIF_POS = 0x0004;
// The position the thumb shows while the user drags it (the position at other times).
inline constexpr UINT SIF_TRACKPOS = 0x0010;
inline constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// States of the parts of a bar in SCROLLBARINFO::rgstate.
inline constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
inline constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
inline constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;

// The parts of a bar in its client coordinates. Along the bar (x for a horizontal bar, y
// for a vertical one) the thumb runs from xyThumbTop to xyThumbBottom; both are 0 when the
// bar shows no thumb. rgstate holds the state of the bar itself [0], the arrow at the low
// end (left or top) [1], the page area before the thumb [2], the thumb [3], the page area
// after it [4] and the arrow at the high end [5].
struct SCROLLBARINFO {
    CRect rcScrollBar;
    int dxyLineButton = 0;
    int xyThumbTop = 0;
    int xyThumbBottom = 0;
    DWORD rgstate[6] = {};
};
