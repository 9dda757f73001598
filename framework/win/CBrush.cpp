#include "CBrush.hpp"

namespace {

// The 8 by 8 ordered-dither matrix: every value 0..63 once, spread so that each threshold
// level fills the cell as evenly as it can.
constexpr unsigned char bayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
};

} // namespace

CColor CBrush::GetPixel(LONG x, LONG y) const {
    if (m_pattern == 255)
        return m_a;
    unsigned threshold = bayer[y & 7][x & 7] * 4u;
    return threshold < m_pattern ? m_a : m_b;
}
