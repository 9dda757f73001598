#pragma once

#include "TextFile.hpp"

#include <vector>

// Compiles a bitmap file into the binary 1-bit bitmap that CBitmapBits reads.
//
// Source: rows of '#' (black, palette index 0) and '.' (white, palette index 1), top row
// first, all of one length; blank lines and lines starting with ';' are skipped, and
// blanks after a row are ignored.
//
// Binary form, little-endian: "BMP1", width u16, height u16, then the rows top-down, each
// (width + 7) / 8 bytes, leftmost pixel in the highest bit, a set bit white (index 1), the
// bits after the last pixel of a row 0.
class BitmapCompiler {
public:
    static std::vector<unsigned char> Compile(TextFile const & file);
};
