#pragma once

#include "CColor.hpp"
#include "CSize.hpp"

#include <string>
#include <vector>

class CSurface;

// Compares pictures pixel by pixel with a tolerance, for the reference pictures: PNG files
// are read with Cairo.
class CImageCompare {
public:
    struct Image {
        CSize size;
        std::vector<CColor> pixels; // row by row from the top
        CColor At(LONG x, LONG y) const {
            return pixels[static_cast<std::size_t>(y * size.cx + x)];
        }
    };
    struct Result {
        bool readable = false;
        bool sameSize = false;
        int differing = 0; // pixels where some channel differs by more than the tolerance
        int worst = 0;     // the largest channel difference
    };

    static bool ReadPng(char const * path, Image & image);
    static Image FromSurface(CSurface const & surface);
    static Result Compare(Image const & a, Image const & b, int tolerance);
    static Result Compare(CSurface const & surface, char const * path, int tolerance);
};
