#pragma once

#include "CSize.hpp"

// A position in pixels.
struct CPoint {
    LONG x = 0;
    LONG y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(LONG px, LONG py) : x(px), y(py) {}

    constexpr CPoint operator+(CSize size) const { return {x + size.cx, y + size.cy}; }
    constexpr CPoint operator-(CSize size) const { return {x - size.cx, y - size.cy}; }
    constexpr CSize operator-(CPoint other) const { return {x - other.x, y - other.y}; }
    constexpr CPoint & operator+=(CSize size) { return *this = *this + size; }
    constexpr CPoint & operator-=(CSize size) { return *this = *this - size; }
    constexpr bool operator==(CPoint const &) const = default;
};
