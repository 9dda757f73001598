#pragma once

#include "AfxTypes.hpp"
#include "haldencore_export.h"

#include <cstddef>
#include <string>
#include <string_view>

// Walking UTF-8 text by code point. Positions are byte offsets.
//
// A lead byte announces the length of its sequence by its high bits: 110xxxxx two bytes,
// 1110xxxx three, 11110xxx and above four; bytes 10xxxxxx continue a sequence. Text is
// never refused here: a byte that starts no complete sequence stands for itself. Callers
// that must refuse malformed text (text from the desktop, resource files) ask `valid`.
namespace Utf8 {

// One code point read from a text.
struct Sequence {
    // The code point, or the lead byte itself when its sequence is cut short.
    UINT codePoint = 0;
    // The lead byte and the continuation bytes read after it (at most as many as announced).
    std::size_t length = 0;
    // Every continuation byte the lead byte announced is there.
    bool complete = false;
    // Complete, in its shortest form, and a Unicode scalar value (no surrogate, nothing past
    // U+10FFFF).
    bool valid = false;
};

inline bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The length of the sequence a lead byte announces: 1 to 4 (a stray continuation byte is 1).
HALDENCORE_EXPORT std::size_t SequenceLength(char lead);
// The code point at pos; past the end, a zero Sequence.
HALDENCORE_EXPORT Sequence Decode(std::string_view text, std::size_t pos = 0);
// The UTF-8 form of a code point; empty for surrogates and values beyond Unicode.
HALDENCORE_EXPORT std::string Encode(UINT codePoint);
// Whether every sequence of the text is valid.
HALDENCORE_EXPORT bool IsValid(std::string_view text);
// The code points of a text: its bytes that do not continue a sequence.
HALDENCORE_EXPORT std::size_t Count(std::string_view text);

// Character steps, as a caret moves: a character is a lead byte with every continuation
// byte after it, so a stray continuation byte joins the character before it (or forms one
// at the start) and no step ever splits a code point.
//
// Whether pos is a step: the start, the end, or not a continuation byte.
HALDENCORE_EXPORT bool IsBoundary(std::string_view text, std::size_t pos);
// The step after (before) pos; the text's end (0) when there is none.
HALDENCORE_EXPORT std::size_t Next(std::string_view text, std::size_t pos);
HALDENCORE_EXPORT std::size_t Previous(std::string_view text, std::size_t pos);
// pos clamped to the text and moved back to the start of the character it falls in.
HALDENCORE_EXPORT std::size_t Snap(std::string_view text, std::size_t pos);

} // namespace Utf8
