#include "Utf8.hpp"

#include <gtest/gtest.h>

#include <string>

// Lenient callers (typing, menu mnemonics, editing) take `codePoint` and step by `length`;
// strict ones (text from the desktop, resource files) refuse what is not `valid`.
TEST(Utf8Decode, ReadsOneCodePointAndSaysHowWellFormedItIs) {
    struct Case {
        char const * name;
        std::string text;
        UINT codePoint;
        std::size_t length;
        bool complete;
        bool valid;
    };
    // clang-format off
    Case const cases[] = {
        {"ASCII",                   "a",                 'a',     1, true,  true},
        {"two bytes",               "\xC3\xA9x",         0xE9,    2, true,  true},
        {"three bytes",             "\xE2\x82\xAC",      0x20AC,  3, true,  true},
        {"four bytes",              "\xF0\x9F\x98\x80",  0x1F600, 4, true,  true},
        {"stray continuation byte", "\x80",              0x80,    1, true,  false},
        {"cut short by the end",    "\xE2\x82",          0xE2,    2, false, false},
        {"cut short by a letter",   "\xE4\xB8" "A",      0xE4,    2, false, false},
        {"overlong",                "\xC0\xAF",          0x2F,    2, true,  false},
        {"surrogate",               "\xED\xA0\x80",      0xD800,  3, true,  false},
        {"beyond U+10FFFF",         "\xF4\x90\x80\x80",  0x110000, 4, true, false},
        {"no such lead byte",       "\xF8\x90\x80\x80",  0x10000, 4, true,  false},
        {"past the end",            "",                  0,       0, false, false},
    };
    // clang-format on
    for (Case const & c : cases) {
        Utf8::Sequence const s = Utf8::Decode(c.text);
        EXPECT_EQ(s.codePoint, c.codePoint) << c.name;
        EXPECT_EQ(s.length, c.length) << c.name;
        EXPECT_EQ(s.complete, c.complete) << c.name;
        EXPECT_EQ(s.valid, c.valid) << c.name;
    }
}

TEST(Utf8Steps, NeverSplitACodePointAndKeepStrayBytesWithTheCharacterBefore) {
    std::string const text = "a\xC3\xA9\x80z"; // a, e acute with a stray byte, z
    EXPECT_EQ(Utf8::Next(text, 0), 1u);
    EXPECT_EQ(Utf8::Next(text, 1), 4u);
    EXPECT_EQ(Utf8::Next(text, 5), 5u);
    EXPECT_EQ(Utf8::Previous(text, 4), 1u);
    EXPECT_EQ(Utf8::Previous(text, 99), 4u);
    EXPECT_EQ(Utf8::Snap(text, 3), 1u);
    EXPECT_EQ(Utf8::Count(text), 3u);
    EXPECT_EQ(Utf8::Count("\x80\x80"), 0u) << "continuation bytes are no code points";
    EXPECT_TRUE(Utf8::IsValid("a\xC3\xA9z"));
    EXPECT_FALSE(Utf8::IsValid(text));
}

TEST(Utf8Encode, WritesTheShortestFormAndNothingForNonCharacters) {
    // clang-format off
    struct { UINT codePoint; std::string bytes; } const cases[] = {
        {'A', "A"}, {0xE9, "\xC3\xA9"}, {0x20AC, "\xE2\x82\xAC"}, {0x1F600, "\xF0\x9F\x98\x80"},
        {0xD800, ""}, {0x110000, ""},
    };
    // clang-format on
    for (auto const & c : cases) {
        EXPECT_EQ(Utf8::Encode(c.codePoint), c.bytes) << c.codePoint;
        if (!c.bytes.empty()) {
            EXPECT_EQ(Utf8::Decode(c.bytes).codePoint, c.codePoint) << c.codePoint;
        }
    }
}
