#include "VirtualKeys.hpp"
#include "internal/CSDLKeyMap.hpp"

#include <gtest/gtest.h>

namespace {

using Stroke = CSDLKeyMap::Stroke;
constexpr UINT shift = CSDLKeyMap::heldShift;
constexpr UINT control = CSDLKeyMap::heldControl;

struct KeyCase {
    char const * name;
    SDL_Keycode sym;
    Uint16 mod;
    UINT key;
};

// Every key the editors react to, with and without the modifiers that change their meaning.
TEST(KeyMap, KeysTheEditorsUseGiveTheirVirtualKeys) {
    KeyCase const cases[] = {
        {"Tab", SDLK_TAB, KMOD_NONE, VK_TAB},
        {"Shift+Tab", SDLK_TAB, KMOD_LSHIFT, VK_TAB},
        {"Return", SDLK_RETURN, KMOD_NONE, VK_RETURN},
        {"keypad Enter", SDLK_KP_ENTER, KMOD_NUM, VK_RETURN},
        {"Escape", SDLK_ESCAPE, KMOD_NONE, VK_ESCAPE},
        {"Left", SDLK_LEFT, KMOD_NONE, VK_LEFT},
        {"Right", SDLK_RIGHT, KMOD_NONE, VK_RIGHT},
        {"Up", SDLK_UP, KMOD_NONE, VK_UP},
        {"Down", SDLK_DOWN, KMOD_NONE, VK_DOWN},
        {"Page Up", SDLK_PAGEUP, KMOD_NONE, VK_PRIOR},
        {"Page Down", SDLK_PAGEDOWN, KMOD_NONE, VK_NEXT},
        {"Home", SDLK_HOME, KMOD_NONE, VK_HOME},
        {"End", SDLK_END, KMOD_NONE, VK_END},
        {"Ctrl+Home", SDLK_HOME, KMOD_LCTRL, VK_HOME},
        {"Ctrl+End", SDLK_END, KMOD_RCTRL, VK_END},
        {"Backspace", SDLK_BACKSPACE, KMOD_NONE, VK_BACK},
        {"Delete", SDLK_DELETE, KMOD_NONE, VK_DELETE},
        {"Insert", SDLK_INSERT, KMOD_NONE, VK_INSERT},
        {"Space", SDLK_SPACE, KMOD_NONE, VK_SPACE},
        {"a is A", SDLK_a, KMOD_NONE, 'A'},
        {"Ctrl+z is Z", SDLK_z, KMOD_LCTRL, 'Z'},
        {"digit", SDLK_7, KMOD_NONE, '7'},
        {"F1", SDLK_F1, KMOD_NONE, VK_F1},
        {"F12", SDLK_F12, KMOD_NONE, VK_F12},
        {"keypad 7 with Num Lock", SDLK_KP_7, KMOD_NUM, VK_NUMPAD0 + 7},
        {"keypad 7 without Num Lock is Home", SDLK_KP_7, KMOD_NONE, VK_HOME},
        {"keypad 1 without Num Lock is End", SDLK_KP_1, KMOD_NONE, VK_END},
        {"keypad 3 without Num Lock is Page Down", SDLK_KP_3, KMOD_NONE, VK_NEXT},
        {"keypad 9 without Num Lock is Page Up", SDLK_KP_9, KMOD_NONE, VK_PRIOR},
        {"keypad 0 with Num Lock", SDLK_KP_0, KMOD_NUM, VK_NUMPAD0},
        {"keypad point without Num Lock is Delete", SDLK_KP_PERIOD, KMOD_NONE, VK_DELETE},
        {"keypad point with Num Lock", SDLK_KP_PERIOD, KMOD_NUM, VK_DECIMAL},
        {"left Shift", SDLK_LSHIFT, KMOD_LSHIFT, VK_SHIFT},
        {"right Ctrl", SDLK_RCTRL, KMOD_RCTRL, VK_CONTROL},
        {"Alt Gr", SDLK_RALT, KMOD_RALT, VK_MENU},
        {"a key the framework lacks", SDLK_MENU, KMOD_NONE, 0},
        {"punctuation arrives as text only", SDLK_COMMA, KMOD_NONE, 0},
    };
    for (KeyCase const & c : cases)
        EXPECT_EQ(CSDLKeyMap::VirtualKey(c.sym, c.mod), c.key) << c.name;
}

struct StrokeCase {
    char const * name;
    SDL_Keycode sym;
    Uint16 mod;
    bool down;
    UINT held;
    std::vector<Stroke> strokes;
};

TEST(KeyMap, ModifiersAreBroughtInLineBeforeTheKey) {
    // clang-format off
    StrokeCase const cases[] = {
        {"plain Tab", SDLK_TAB, KMOD_NONE, true, 0, {{VK_TAB, true}}},
        {"Tab released", SDLK_TAB, KMOD_NONE, false, 0, {{VK_TAB, false}}},
        {"Shift+Tab with Shift already down", SDLK_TAB, KMOD_LSHIFT, true, shift, {{VK_TAB, true}}},
        {"Shift+Tab when Shift went down unseen", SDLK_TAB, KMOD_RSHIFT, true, 0, {{VK_SHIFT, true}, {VK_TAB, true}}},
        {"Ctrl+Home when Ctrl went down unseen", SDLK_HOME, KMOD_LCTRL, true, 0, {{VK_CONTROL, true}, {VK_HOME, true}}},
        {"Home after Ctrl was released unseen", SDLK_HOME, KMOD_NONE, true, control, {{VK_CONTROL, false}, {VK_HOME, true}}},
        {"Shift pressed", SDLK_LSHIFT, KMOD_LSHIFT, true, 0, {{VK_SHIFT, true}}},
        {"Shift released", SDLK_LSHIFT, KMOD_NONE, false, shift, {{VK_SHIFT, false}}},
        {"one Shift released while the other is held", SDLK_LSHIFT, KMOD_RSHIFT, false, shift, {}},
        {"Ctrl pressed while Shift is held", SDLK_LCTRL, KMOD_LSHIFT | KMOD_LCTRL, true, shift, {{VK_CONTROL, true}}},
        {"Caps and Num Lock are no held modifiers", SDLK_END, KMOD_CAPS | KMOD_NUM, true, 0, {{VK_END, true}}},
        {"a key without virtual key still syncs", SDLK_COMMA, KMOD_LALT, true, 0, {{VK_MENU, true}}},
    };
    // clang-format on
    for (StrokeCase const & c : cases)
        EXPECT_EQ(CSDLKeyMap::Strokes(c.sym, c.mod, c.down, c.held), c.strokes) << c.name;
}

struct TextCase {
    char const * name;
    char const * text;
    std::vector<UINT> points;
};

TEST(KeyMap, TextBecomesOneCodePointPerCharacter) {
    // clang-format off
    TextCase const cases[] = {
        {"ASCII", "ab1", {'a', 'b', '1'}},
        {"e acute", "\xC3\xA9", {0xE9}},
        {"euro sign", "\xE2\x82\xAC", {0x20AC}},
        {"outside the basic plane", "\xF0\x9F\x98\x80", {0x1F600}},
        {"mixed", "a\xC3\xA9z", {'a', 0xE9, 'z'}},
        {"empty", "", {}},
        {"stray continuation byte", "\x80" "a", {0xFFFD, 'a'}},
        {"truncated sequence", "\xE2\x82", {0xFFFD, 0xFFFD}},
        {"overlong slash", "\xC0\xAF", {0xFFFD, 0xFFFD}},
        {"surrogate", "\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD}},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}},
    };
    // clang-format on
    for (TextCase const & c : cases)
        EXPECT_EQ(CSDLKeyMap::CodePoints(c.text), c.points) << c.name;
    EXPECT_TRUE(CSDLKeyMap::CodePoints(nullptr).empty());
}

} // namespace
