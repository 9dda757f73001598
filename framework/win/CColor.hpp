#pragma once

#include "AfxTypes.hpp"

// An opaque RGB colour, one byte per channel.
struct CColor {
    BYTE r = 0;
    BYTE g = 0;
    BYTE b = 0;

    constexpr CColor() = default;
    constexpr CColor(BYTE red, BYTE green, BYTE blue) : r(red), g(green), b(blue) {}
    // A colour written as 0xRRGGBB.
    static constexpr CColor FromRgb(DWORD rgb) {
        return {static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb)};
    }
    constexpr DWORD ToRgb() const { return (DWORD(r) << 16) | (DWORD(g) << 8) | DWORD(b); }

    constexpr bool operator==(CColor const &) const = default;

    static CColor const black;
    static CColor const white;
    static CColor const red;
    static CColor const green;
    static CColor const blue;
    static CColor const yellow;
};

inline constexpr CColor CColor::black{0, 0, 0};
inline constexpr CColor CColor::white{255, 255, 255};
inline constexpr CColor CColor::red{255, 0, 0};
inline constexpr CColor CColor::green{0, 255, 0};
inline constexpr CColor CColor::blue{0, 0, 255};
inline constexpr CColor CColor::yellow{255, 255, 0};
