#pragma once

#include "CColor.hpp"
#include "CRect.hpp"

#include <string>

class CDC;
class CFont;

// What a tip shows and how: the text as drawn (prefixes already handled), the title and its
// icon, the colours, the width at which the text wraps (-1: none), and for a balloon the
// side of the anchor point it lies on, which puts its stem on the top or bottom edge near
// its left or right side.
struct ToolTipLook {
    std::string text;
    std::string title;
    UINT icon = 0;
    CFont const * font = nullptr;
    CFont const * titleFont = nullptr;
    CColor back;
    CColor ink;
    int maxWidth = -1;
    bool balloon = false;
    bool right = true;
    bool below = true;
};

namespace ToolTipPaint {

// The tip of a balloon's stem is the pixel this far from the balloon's near side, on its
// edge: (stemInset, 0) of a balloon that hangs below and to the right of its point,
// mirrored for the other sides.
inline constexpr LONG stemInset = 16;

// The size of the window that shows a look.
CSize Measure(CDC & dc, ToolTipLook const & look);
// Paints a look into a client area of its measured size. Around a balloon's outline the
// face colour stands for what lies behind it.
void Paint(CDC & dc, ToolTipLook const & look, CSize client);

} // namespace ToolTipPaint
