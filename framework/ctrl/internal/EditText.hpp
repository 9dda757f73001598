#pragma once

#include "AfxTypes.hpp"

#include <string>
#include <string_view>

// Text helpers of the edit control. Positions are byte offsets on the character steps of
// Utf8::Next, so a malformed byte counts as a character of its own and no position ever
// splits a code point.
namespace EditText {

// The kinds of character that word moves and double clicks tell apart.
enum class CharKind { space, word, other };

// The characters of a text, as the caret steps over them.
std::size_t CountCodePoints(std::string_view text);
// The bytes taken by the first `count` characters (all of the text when it has fewer).
std::size_t PrefixBytes(std::string_view text, std::size_t count);

// The code point of the character at pos; a malformed one stands for its first byte.
UINT DecodeAt(std::string_view text, std::size_t pos);
// Whether a typed code point is text: control characters (C0, DEL, C1) and surrogates are
// not, and type nothing.
bool IsPrintable(UINT codePoint);

// Letters, digits, '_' and every non-ASCII code point make words; blanks separate them;
// the rest (punctuation) forms runs of its own.
CharKind KindOf(UINT codePoint);

// Ctrl+Left: back over blanks, then to the start of the run before them.
std::size_t WordStartBefore(std::string_view text, std::size_t pos);
// Ctrl+Right: to the end of the run at pos (unless it is blank), then over blanks, so the
// caret lands at the start of the next word.
std::size_t WordStartAfter(std::string_view text, std::size_t pos);
// The run of one kind holding the character at pos (the last character at the end).
void RunAt(std::string_view text, std::size_t pos, std::size_t & start, std::size_t & end);

// ASCII case mapping of a text.
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);

} // namespace EditText
