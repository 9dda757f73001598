#pragma once

#include "AfxTypes.hpp"
#include "WinConstants.hpp"

// Messages of the combo box control ("combobox" window class), with their standard
// numbers. Indexes count the entries of the list from 0. Texts are UTF-8: messages that
// give a text take a pointer to it in lParam, messages that return one take a CString
// pointer in lParam and answer its length in bytes. The program's changes raise no
// notification. The CBN_ codes live in WinConstants.hpp with the other notification codes.

// Answers: success, and failure (a bad index, an entry not found, no edit field).
inline constexpr LRESULT CB_OKAY = 0;
inline constexpr LRESULT CB_ERR = -1;

// The selection of a drop-down's edit field, as EM_GETSEL.
inline constexpr UINT CB_GETEDITSEL = 0x0140;
// Limits a drop-down's edit field to wParam characters, as EM_LIMITTEXT. Answers TRUE.
inline constexpr UINT CB_LIMITTEXT = 0x0141;
// Selects characters of a drop-down's edit field: the start in the low word of lParam, the
// end in its high word, as signed numbers (EM_SETSEL's rules). CB_ERR for a drop-down list.
inline constexpr UINT CB_SETEDITSEL = 0x0142;
// Adds a text (lParam): at its sorted place with CBS_SORT, else at the end. Answers the
// index; the entry's data value is 0.
inline constexpr UINT CB_ADDSTRING = 0x0143;
// Deletes the entry at wParam; answers the entries left, or CB_ERR.
inline constexpr UINT CB_DELETESTRING = 0x0144;
inline constexpr UINT CB_GETCOUNT = 0x0146;
// The selected entry, or CB_ERR when none is.
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
// Inserts a text (lParam) at an index (wParam; -1 is the end), never sorted.
inline constexpr UINT CB_INSERTSTRING = 0x014A;
// Removes every entry and empties the edit field.
inline constexpr UINT CB_RESETCONTENT = 0x014B;
// Selects the entry at wParam; the field shows its text. -1 removes the selection and
// empties the field; an index out of range does the same and answers CB_ERR.
inline constexpr UINT CB_SETCURSEL = 0x014E;
// Opens (wParam TRUE) or closes the drop list, as the program: nothing is notified.
inline constexpr UINT CB_SHOWDROPDOWN = 0x014F;
// The data value of an entry; CB_ERR (all ones) for an index out of range.
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;
// Where the drop list shows (or would show) on the screen, into the CRect at lParam.
inline constexpr UINT CB_GETDROPPEDCONTROLRECT = 0x0152;
// The height of the closed field for wParam -1, else of the drop list's rows.
inline constexpr UINT CB_GETITEMHEIGHT = 0x0154;
// TRUE while the drop list is open.
inline constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
// The first entry after wParam (-1: from the first), wrapping round, whose text equals
// lParam's, letter case ignored; CB_ERR when none does.
inline constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
inline constexpr UINT CB_GETTOPINDEX = 0x015B;
inline constexpr UINT CB_SETTOPINDEX = 0x015C;
