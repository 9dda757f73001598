#pragma once

#include "CColor.hpp"
#include "haldenwin_export.h"

// What rectangles are filled with: one colour, or two colours in an 8 by 8 pattern.
//
// The pattern byte is a density: the share of the pattern's pixels, out of 256, that take
// the first colour. Each pixel of the 8 by 8 cell has a threshold from the ordered-dither
// (Bayer) matrix, 0, 4, 8, ... 252, and takes the first colour when its threshold is below
// the byte, the second otherwise. So 0 gives the second colour alone, 255 the first alone,
// and 128 a one-pixel checkerboard (the dotted look of focus frames), with the first colour
// where x + y is even. The cell is anchored at the surface's top-left pixel, so that
// patterns drawn side by side join up.
class HALDENWIN_EXPORT CBrush {
public:
    explicit CBrush(CColor color) : m_a(color), m_b(color), m_pattern(255) {}
    CBrush(CColor a, CColor b, unsigned char pattern) : m_a(a), m_b(b), m_pattern(pattern) {}

    // True when every pixel takes the same colour.
    bool IsSolid() const { return m_a == m_b || m_pattern == 0 || m_pattern == 255; }
    CColor GetColorA() const { return m_a; }
    CColor GetColorB() const { return m_b; }
    unsigned char GetPattern() const { return m_pattern; }

    // The colour of the pixel at (x, y) of a surface.
    CColor GetPixel(LONG x, LONG y) const;

private:
    CColor m_a;
    CColor m_b;
    unsigned char m_pattern;
};
