#pragma once

#include "AfxTypes.hpp"
#include "haldendisplay_export.h"

#include <SDL2/SDL_keyboard.h>

#include <vector>

// Turns the desktop's keyboard events into the window system's key strokes and characters.
// Free of any window, so that it can be checked without a display.
class HALDENDISPLAY_EXPORT CSDLKeyMap {
public:
    // The modifiers the window system holds, as a set of bits.
    static constexpr UINT heldShift = 1;
    static constexpr UINT heldControl = 2;
    static constexpr UINT heldAlt = 4;

    struct Stroke {
        UINT key;
        bool down;
        bool operator==(Stroke const &) const = default;
    };

    // The virtual key of a key; 0 for keys that have none (their text still arrives as text
    // input). Keypad keys give digits with Num Lock on and move the caret with it off.
    static UINT VirtualKey(SDL_Keycode sym, Uint16 mod);
    // The strokes of one key event: first those that bring Shift, Ctrl and Alt in line with
    // the modifiers the event reports (the desktop reports them as they are after the
    // event), then the key itself unless it is a modifier or has no virtual key.
    static std::vector<Stroke> Strokes(SDL_Keycode sym, Uint16 mod, bool down, UINT held);
    // The code points of UTF-8 text; each malformed byte becomes U+FFFD.
    static std::vector<UINT> CodePoints(char const * text);
};
