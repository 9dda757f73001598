#pragma once

#include "CRect.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WinTypes.hpp"

// Messages of the tooltip control ("tooltips_class32"), its styles, tool flags, title icons
// and delays, with their Windows numbers (the 8-bit text forms; text is UTF-8). The TTN_
// notifications live in WinConstants.hpp with the rest of the framework's shared values.

// Styles. The window system has no inactive windows, so tips show whether TTS_ALWAYSTIP is
// given or not. Without TTS_NOPREFIX a single "&" in a tip's text is dropped and "&&"
// shows as "&". TTS_BALLOON draws the tip as a balloon with a stem.
inline constexpr DWORD TTS_ALWAYSTIP = 0x01;
inline constexpr DWORD TTS_NOPREFIX = 0x02;
inline constexpr DWORD TTS_BALLOON = 0x40;

// Tool flags.
// uId is the handle of a window whose whole client area is the tool; rect is not used.
inline constexpr UINT TTF_IDISHWND = 0x0001;
// The tooltip watches the mouse over the tool's window and the windows below it itself; other
// hover tools need their window's mouse messages passed on with TTM_RELAYEVENT.
inline constexpr UINT TTF_SUBCLASS = 0x0010;
// A tracking tool: its tip shows only between TTM_TRACKACTIVATE TRUE and FALSE, at the
// TTM_TRACKPOSITION point, and never on hover.
inline constexpr UINT TTF_TRACK = 0x0020;
// A tracking tip's top-left corner lies on the track point; without it a balloon's stem
// points at it and a plain tip's top-left lies on it.
inline constexpr UINT TTF_ABSOLUTE = 0x0080;

// Title icons.
inline constexpr UINT TTI_NONE = 0;
inline constexpr UINT TTI_INFO = 1;
inline constexpr UINT TTI_WARNING = 2;
inline constexpr UINT TTI_ERROR = 3;

// Delays: the time the mouse rests on a tool before its tip shows (initial), the time a tip
// shows (auto-pop), and the time before the tip of the next tool shows when the mouse moves
// on from a tool whose tip showed (reshow). TTDT_AUTOMATIC sets all three from one time:
// initial, ten times it, a fifth of it. The defaults are 500, 5000 and 100 milliseconds.
inline constexpr UINT TTDT_AUTOMATIC = 0;
inline constexpr UINT TTDT_RESHOW = 1;
inline constexpr UINT TTDT_AUTOPOP = 2;
inline constexpr UINT TTDT_INITIAL = 3;

// A tool: an area of a window (hwnd, and rect in its client coordinates) or a whole window
// (TTF_IDISHWND), named by hwnd and uId, and the text of its tip. cbSize tells which fields
// the caller filled: TTTOOLINFO_V1_SIZE up to lpszText, TTTOOLINFO_V2_SIZE (or more) with
// lParam, the caller's own value that TTM_GETTOOLINFO gives back.
struct TOOLINFO {
    UINT cbSize = 0;
    UINT uFlags = 0;
    HWND hwnd = nullptr;
    std::uintptr_t uId = 0;
    CRect rect;
    HINSTANCE hinst = nullptr;
    char const * lpszText = nullptr;
    LPARAM lParam = 0;
};
inline constexpr UINT TTTOOLINFO_V1_SIZE = 40;
inline constexpr UINT TTTOOLINFO_V2_SIZE = 44;

// Messages. Those that name a tool take a TOOLINFO pointer in lParam, of which hwnd and uId
// name the tool. None of them notifies anyone by itself, except that a tip that hides sends
// TTN_POP and one that shows sends TTN_SHOW (see CToolTip).
// wParam TRUE lets tips show, FALSE hides the tip that shows and keeps all tips hidden.
inline constexpr UINT TTM_ACTIVATE = WM_USER + 1;
// wParam a TTDT_ value, the low word of lParam the time in milliseconds as a signed 16-bit
// number; a negative time restores the default.
inline constexpr UINT TTM_SETDELAYTIME = WM_USER + 3;
// Adds a tool; TRUE on success, FALSE for a cbSize below TTTOOLINFO_V1_SIZE, a hwnd that
// is no window, or a tool of that hwnd and uId that exists already.
inline constexpr UINT TTM_ADDTOOL = WM_USER + 4;
inline constexpr UINT TTM_DELTOOL = WM_USER + 5;
// Gives the tool the new rect.
inline constexpr UINT TTM_NEWTOOLRECT = WM_USER + 6;
// lParam points at a mouse message (MSG) of a tool's window, in its client coordinates.
inline constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
// Fills in the TOOLINFO of the tool it names; lpszText then points at the tooltip's copy
// of the text, valid until the tool changes. TRUE when the tool exists.
inline constexpr UINT TTM_GETTOOLINFO = WM_USER + 8;
// Gives the tool the new lpszText.
inline constexpr UINT TTM_UPDATETIPTEXT = WM_USER + 12;
inline constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
// Whether a tip shows; when lParam is not null, fills it in as TTM_GETTOOLINFO for its tool.
inline constexpr UINT TTM_GETCURRENTTOOL = WM_USER + 15;
// lParam points at a point of the screen (CPoint); the answer is the window there, whose
// tools the tooltip looks at. The tooltip sends it to itself, so that a class derived from
// CToolTip can answer for a window of its choice.
inline constexpr UINT TTM_WINDOWFROMPOINT = WM_USER + 16;
// wParam TRUE shows the tip of the tracking tool that lParam names, FALSE hides it.
inline constexpr UINT TTM_TRACKACTIVATE = WM_USER + 17;
// lParam the track point on the screen, x in the low word and y in the high word.
inline constexpr UINT TTM_TRACKPOSITION = WM_USER + 18;
// wParam the colour as 0xRRGGBB (CColor::ToRgb).
inline constexpr UINT TTM_SETTIPBKCOLOR = WM_USER + 19;
inline constexpr UINT TTM_SETTIPTEXTCOLOR = WM_USER + 20;
inline constexpr UINT TTM_GETDELAYTIME = WM_USER + 21;
inline constexpr UINT TTM_GETTIPBKCOLOR = WM_USER + 22;
inline constexpr UINT TTM_GETTIPTEXTCOLOR = WM_USER + 23;
// lParam the width in pixels at which tip texts wrap, -1 for none (the default); answers
// the width before.
inline constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;
inline constexpr UINT TTM_GETMAXTIPWIDTH = WM_USER + 25;
// Hides the tip that shows.
inline constexpr UINT TTM_POP = WM_USER + 28;
// wParam a TTI_ icon, lParam the title text (null or empty: no title). FALSE for an
// unknown icon.
inline constexpr UINT TTM_SETTITLE = WM_USER + 32;
