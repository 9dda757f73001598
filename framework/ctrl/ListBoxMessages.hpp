#pragma once

#include "AfxTypes.hpp"
#include "WinConstants.hpp"

// Messages of the list box control ("listbox" window class), with their standard numbers.
// Indexes count entries from 0. Texts are UTF-8: messages that give a text take a pointer
// to it in lParam, messages that return one take a CString pointer in lParam and answer
// its length in bytes. The program's changes raise no notification. The LBN_ codes live in
// WinConstants.hpp with the other notification codes.

// Answers: success, and failure (a bad index, an entry not found).
inline constexpr LRESULT LB_OKAY = 0;
inline constexpr LRESULT LB_ERR = -1;

// Adds a text (lParam): at its sorted place with LBS_SORT, else at the end. Answers its
// index; its data value is 0.
inline constexpr UINT LB_ADDSTRING = 0x0180;
// Inserts a text (lParam) at an index (wParam; -1 is the end), never sorted. Answers the
// index, or LB_ERR for an index beyond the end.
inline constexpr UINT LB_INSERTSTRING = 0x0181;
// Deletes the entry at wParam; answers the entries left, or LB_ERR.
inline constexpr UINT LB_DELETESTRING = 0x0182;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
// Selects the entry at wParam and scrolls it into view; -1 removes the selection. An index
// out of range changes nothing. Answers the index, or LB_ERR for -1 and out of range.
inline constexpr UINT LB_SETCURSEL = 0x0186;
// The selected entry, or LB_ERR when none is.
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_GETTOPINDEX = 0x018E;
// The first entry after wParam (-1: from the first), wrapping round, whose text begins
// with lParam's text, letter case ignored; LB_ERR when none does.
inline constexpr UINT LB_FINDSTRING = 0x018F;
// Scrolls so that the entry at wParam is the top row, as far as the entries below allow.
inline constexpr UINT LB_SETTOPINDEX = 0x0197;
// The rectangle of the entry at wParam in client coordinates, into the CRect at lParam
// (rows above the top one lie above the client area).
inline constexpr UINT LB_GETITEMRECT = 0x0198;
// The data value of an entry; LB_ERR (all ones) for an index out of range.
inline constexpr UINT LB_GETITEMDATA = 0x0199;
// Sets the data value (lParam) of the entry at wParam; LB_OKAY or LB_ERR.
inline constexpr UINT LB_SETITEMDATA = 0x019A;
// The entry that shows the focus: the selected one, or in a combo box's drop list the one
// under the mouse; LB_ERR when there is none.
inline constexpr UINT LB_GETCARETINDEX = 0x019F;
// The height of each row in pixels.
inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
// As LB_FINDSTRING, for a text equal to lParam's (letter case ignored).
inline constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
// The entry nearest a point of the client area (lParam, as in mouse messages) in the low
// word of the answer; the high word is 1 when the point lies outside the rows.
inline constexpr UINT LB_ITEMFROMPOINT = 0x01A9;
