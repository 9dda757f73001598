#pragma once

#include "AfxTypes.hpp"
#include "haldenwin_export.h"

#include <functional>
#include <string>
#include <string_view>

// Cuts whole characters from the end of a text until the rest followed by "..." is no
// wider than `width` as `measure` sees it, and gives the rest with "..." after it. When not
// even "..." alone fits, gives "...". Drawing and the static control cut text this one way.
HALDENWIN_EXPORT std::string EndEllipsis(std::string_view text, LONG width,
                                         std::function<LONG(std::string_view)> const & measure);
