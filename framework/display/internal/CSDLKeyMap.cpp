#include "internal/CSDLKeyMap.hpp"

#include "Utf8.hpp"
#include "VirtualKeys.hpp"

namespace {

constexpr UINT replacement = 0xFFFD;

// Keypad keys as they act with Num Lock off.
UINT KeypadNavigation(SDL_Keycode sym) {
    switch (sym) {
    case SDLK_KP_1:
        return VK_END;
    case SDLK_KP_2:
        return VK_DOWN;
    case SDLK_KP_3:
        return VK_NEXT;
    case SDLK_KP_4:
        return VK_LEFT;
    case SDLK_KP_6:
        return VK_RIGHT;
    case SDLK_KP_7:
        return VK_HOME;
    case SDLK_KP_8:
        return VK_UP;
    case SDLK_KP_9:
        return VK_PRIOR;
    case SDLK_KP_0:
        return VK_INSERT;
    case SDLK_KP_PERIOD:
        return VK_DELETE;
    default:
        return 0;
    }
}

bool IsModifier(SDL_Keycode sym) {
    switch (sym) {
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
    case SDLK_LCTRL:
    case SDLK_RCTRL:
    case SDLK_LALT:
    case SDLK_RALT:
        return true;
    default:
        return false;
    }
}

} // namespace

UINT CSDLKeyMap::VirtualKey(SDL_Keycode sym, Uint16 mod) {
    if (sym >= SDLK_a && sym <= SDLK_z)
        return 'A' + static_cast<UINT>(sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9)
        return '0' + static_cast<UINT>(sym - SDLK_0);
    if (sym >= SDLK_F1 && sym <= SDLK_F12)
        return VK_F1 + static_cast<UINT>(sym - SDLK_F1);
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9)
        return (mod & KMOD_NUM) ? VK_NUMPAD0 + 1 + static_cast<UINT>(sym - SDLK_KP_1)
                                : KeypadNavigation(sym);
    switch (sym) {
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_END:
        return VK_END;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_INSERT:
        return VK_INSERT;
    case SDLK_DELETE:
        return VK_DELETE;
    case SDLK_PAUSE:
        return VK_PAUSE;
    case SDLK_CAPSLOCK:
        return VK_CAPITAL;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    case SDLK_KP_0:
        return (mod & KMOD_NUM) ? VK_NUMPAD0 : VK_INSERT;
    case SDLK_KP_PERIOD:
        return (mod & KMOD_NUM) ? VK_DECIMAL : VK_DELETE;
    case SDLK_KP_MULTIPLY:
        return VK_MULTIPLY;
    case SDLK_KP_PLUS:
        return VK_ADD;
    case SDLK_KP_MINUS:
        return VK_SUBTRACT;
    case SDLK_KP_DIVIDE:
        return VK_DIVIDE;
    default:
        return 0;
    }
}

std::vector<CSDLKeyMap::Stroke> CSDLKeyMap::Strokes(SDL_Keycode sym, Uint16 mod, bool down,
                                                    UINT held) {
    struct Modifier {
        UINT bit;
        Uint16 mask;
        UINT key;
    };
    static constexpr Modifier modifiers[] = {{heldShift, KMOD_SHIFT, VK_SHIFT},
                                             {heldControl, KMOD_CTRL, VK_CONTROL},
                                             {heldAlt, KMOD_ALT, VK_MENU}};
    std::vector<Stroke> strokes;
    for (Modifier const & modifier : modifiers) {
        bool const wanted = (mod & modifier.mask) != 0;
        if (wanted != ((held & modifier.bit) != 0))
            strokes.push_back({modifier.key, wanted});
    }
    if (IsModifier(sym))
        return strokes;
    if (UINT const key = VirtualKey(sym, mod))
        strokes.push_back({key, down});
    return strokes;
}

std::vector<UINT> CSDLKeyMap::CodePoints(char const * text) {
    std::vector<UINT> points;
    std::string_view const all(text ? text : "");
    for (std::size_t pos = 0; pos < all.size();) {
        Utf8::Sequence const sequence = Utf8::Decode(all, pos);
        // Truncated, overlong, surrogate or out-of-range sequences are one bad byte each.
        if (!sequence.valid) {
            points.push_back(replacement);
            ++pos;
            continue;
        }
        points.push_back(sequence.codePoint);
        pos += sequence.length;
    }
    return points;
}
