#pragma once

#include "AfxTypes.hpp"
#include "haldenctrl_export.h"

#include <string>
#include <string_view>

class CDC;

// How a static control fits its text.
namespace StaticText {

// One line of text as it fits a width in the context's selected font: the line itself when
// it fits, else its longest run of whole words followed by "..." that fits; when not even
// the first word fits, as many characters as fit followed by "...". `flags` says how
// prefixes are measured (DT_NOPREFIX or 0).
HALDENCTRL_EXPORT std::string WordEllipsis(CDC & dc, std::string_view line, LONG width, UINT flags);

// The DrawText flags of a static's style.
HALDENCTRL_EXPORT UINT DrawFlags(DWORD style);

} // namespace StaticText
