#pragma once

#include "CBitmapBits.hpp"

#include <string>
#include <vector>

// The pixels of a bitmap as rows of '#' (black) and '.' (white), for comparing with a
// drawing written out in a test.
inline std::vector<std::string> Picture(CBitmapBits const & bits) {
    std::vector<std::string> rows;
    for (int y = 0; y < bits.GetHeight(); ++y) {
        std::string row;
        for (int x = 0; x < bits.GetWidth(); ++x)
            row += bits.IsBlack(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}
