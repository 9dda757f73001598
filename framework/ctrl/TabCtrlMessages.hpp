#pragma once

#include "AfxTypes.hpp"
#include "CString.hpp"
#include "WinConstants.hpp"

// Messages and notifications of the tab control ("SysTabControl32" window class), with
// their standard numbers. Tabs are numbered from 0 in the row's order; -1 stands for none.

// The number of tabs.
inline constexpr UINT TCM_GETITEMCOUNT = 0x1304;
// Fills the TCITEM that lParam points at with what its mask names of tab wParam; FALSE for
// no such tab.
inline constexpr UINT TCM_GETITEM = 0x1305;
// Changes what the mask of lParam's TCITEM names of tab wParam; FALSE for no such tab.
inline constexpr UINT TCM_SETITEM = 0x1306;
// Inserts lParam's TCITEM before tab wParam (at the end when wParam is the count or more);
// the new tab's number, or -1. The first tab of an empty control becomes the selected one.
inline constexpr UINT TCM_INSERTITEM = 0x1307;
// Deletes tab wParam; FALSE for no such tab. Deleting the selected tab leaves none selected.
inline constexpr UINT TCM_DELETEITEM = 0x1308;
inline constexpr UINT TCM_DELETEALLITEMS = 0x1309;
// Writes tab wParam's rectangle (client coordinates, as drawn when not selected) to the
// CRect that lParam points at; FALSE for no such tab.
inline constexpr UINT TCM_GETITEMRECT = 0x130A;
// The selected tab, or -1.
inline constexpr UINT TCM_GETCURSEL = 0x130B;
// Selects tab wParam; the tab selected before, or -1 (and no change) for no such tab.
inline constexpr UINT TCM_SETCURSEL = 0x130C;
// Turns the CRect that lParam points at from a window rectangle into the display area
// below the tabs (wParam FALSE) or back (wParam TRUE).
inline constexpr UINT TCM_ADJUSTRECT = 0x1328;

// The members of a TCITEM that a call reads or fills.
inline constexpr UINT TCIF_TEXT = 0x0001;
inline constexpr UINT TCIF_PARAM = 0x0008;

struct TCITEM {
    UINT mask = 0;
    CString text;
    LPARAM lParam = 0;
};

// WM_NOTIFY codes: the user is about to select another tab (a nonzero answer keeps the
// selection as it is), and has selected it.
inline constexpr UINT TCN_FIRST = static_cast<UINT>(-550);
inline constexpr UINT TCN_SELCHANGE = TCN_FIRST - 1;
inline constexpr UINT TCN_SELCHANGING = TCN_FIRST - 2;
