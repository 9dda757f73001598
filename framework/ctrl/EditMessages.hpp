#pragma once

#include "AfxTypes.hpp"
#include "WinConstants.hpp"

// Messages of the edit control ("edit" window class), with their standard numbers.
// Positions are byte offsets into the UTF-8 text, on code point boundaries. EM_SETSEL
// (WinConstants.hpp) takes the anchor in wParam and the caret in lParam: an end of -1 is the
// end of the text, a start of -1 removes the selection and keeps the caret, and an offset
// inside a code point moves back to its start. It does not scroll (EM_SCROLLCARET does).

// The selection: start in the low word and end in the high word of the result (start not
// after end); wParam and lParam, when not null, are DWORD pointers that receive the full
// start and end.
inline constexpr UINT EM_GETSEL = 0x00B0;
// Scrolls the text so that the caret is visible.
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
// The modified flag: set by the user's changes, cleared by WM_SETTEXT; EM_SETMODIFY sets it
// from wParam.
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
// Replaces the selection with lParam's UTF-8 text, as a change of the user (notified, marks
// the text modified, can be undone); the limit applies, read-only does not.
inline constexpr UINT EM_REPLACESEL = 0x00C2;
// The length limit in code points (wParam; 0 means no limit of its own).
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;
// Undo: whether there is a change to take back; take it back (TRUE when done); forget it.
inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_UNDO = 0x00C7;
inline constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
// Shows each character as the code point in wParam; 0 shows the text again. ES_PASSWORD
// follows.
inline constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;
inline constexpr UINT EM_GETPASSWORDCHAR = 0x00D2;
// Read-only on (wParam TRUE) or off; ES_READONLY follows.
inline constexpr UINT EM_SETREADONLY = 0x00CF;
