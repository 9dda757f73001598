#pragma once

#include "WinConstants.hpp"

#include <string>

class CWnd;

// The names tests give to what controls tell their parent, the one namer of all recorders.
// Command codes overlap between control families, so a command is named after the kind of
// control that sent it: "selchange" from a list box, "closeup" from a combo box, "clicked"
// from a button, "change" from an edit or any other control; "code <n>" when the family has
// no such code.
std::string CommandCodeName(CWnd const & control, UINT code);
// "selchange", "show", "fieldchanged 2=7" (the field and its value), or "notify <n>".
std::string NotifyName(NMHDR const & header);
// "lineup", "thumbtrack", "endscroll", or "code <n>".
std::string ScrollCodeName(UINT code);
