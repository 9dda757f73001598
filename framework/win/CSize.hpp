#pragma once

#include "AfxTypes.hpp"

// A width and a height in pixels.
struct CSize {
    LONG cx = 0;
    LONG cy = 0;

    constexpr CSize() = default;
    constexpr CSize(LONG width, LONG height) : cx(width), cy(height) {}

    constexpr CSize operator+(CSize other) const { return {cx + other.cx, cy + other.cy}; }
    constexpr CSize operator-(CSize other) const { return {cx - other.cx, cy - other.cy}; }
    constexpr CSize & operator+=(CSize other) { return *this = *this + other; }
    constexpr CSize & operator-=(CSize other) { return *this = *this - other; }
    constexpr bool operator==(CSize const &) const = default;
};
