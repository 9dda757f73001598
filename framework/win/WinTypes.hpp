#pragma once

#include "AfxTypes.hpp"
#include "CPoint.hpp"

#include <cstdint>

// The parameter and result types of window messages.
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A window handle: an opaque value that names a window for as long as it exists. A handle of
// a destroyed window stays invalid: it is never given to another window.
struct HWND__;
using HWND = HWND__ *;

class CDC;
// A device context travels in messages (WM_ERASEBKGND, WM_DRAWITEM) as a pointer.
using HDC = CDC *;

class CWnd;
// A window procedure: the behaviour of a window class.
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// A message as the queue holds it.
struct MSG {
    MSG() = default;
    MSG(HWND window, UINT msg, WPARAM w, LPARAM l, DWORD at = 0)
        : hwnd(window), message(msg), wParam(w), lParam(l), time(at) {}

    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    CPoint pt;
};

constexpr WORD LOWORD(std::uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFF) | (high & 0xFFFF) << 16);
}
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>((low & 0xFFFF) | (high & 0xFFFF) << 16));
}
// Signed coordinates packed in a message parameter (mouse messages).
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<short>(LOWORD(static_cast<std::uintptr_t>(value)));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<short>(HIWORD(static_cast<std::uintptr_t>(value)));
}
