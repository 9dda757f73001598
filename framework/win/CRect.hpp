#pragma once

#include "CPoint.hpp"

#include <algorithm>

// A rectangle from left, top (inside) to right, bottom (outside), in pixels.
struct CRect {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(LONG l, LONG t, LONG r, LONG b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(CPoint topLeft, CSize size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {
    }

    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint TopRight() const { return {right, top}; }
    constexpr CPoint BottomLeft() const { return {left, bottom}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }

    // True when the point lies inside (left and top edges included, right and bottom not).
    constexpr bool Encloses(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    // True when the other rectangle lies wholly inside this one.
    constexpr bool Encloses(CRect const & r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }

    // The same size moved so that the named corner lies at p.
    constexpr CRect DragTopLeft(CPoint p) const { return {p, Size()}; }
    constexpr CRect DragTopRight(CPoint p) const { return {{p.x - Width(), p.y}, Size()}; }
    constexpr CRect DragBottomLeft(CPoint p) const { return {{p.x, p.y - Height()}, Size()}; }
    constexpr CRect DragBottomRight(CPoint p) const {
        return {{p.x - Width(), p.y - Height()}, Size()};
    }

    // Grows (plus) or shrinks (minus) every side by n.
    constexpr CRect operator+(LONG n) const { return {left - n, top - n, right + n, bottom + n}; }
    constexpr CRect operator-(LONG n) const { return *this + -n; }
    // Moves by an offset.
    constexpr CRect operator+(CSize offset) const {
        return {left + offset.cx, top + offset.cy, right + offset.cx, bottom + offset.cy};
    }
    constexpr CRect operator-(CSize offset) const { return *this + CSize(-offset.cx, -offset.cy); }
    // Shrinks by margins given as a rectangle (left, top, right, bottom); plus grows.
    constexpr CRect operator-(CRect const & m) const {
        return {left + m.left, top + m.top, right - m.right, bottom - m.bottom};
    }
    constexpr CRect operator+(CRect const & m) const {
        return {left - m.left, top - m.top, right + m.right, bottom + m.bottom};
    }
    constexpr CRect Intersect(CRect const & r) const {
        return {std::max(left, r.left), std::max(top, r.top), std::min(right, r.right),
                std::min(bottom, r.bottom)};
    }
    constexpr bool operator==(CRect const &) const = default;
};
