#include "internal/EditText.hpp"

#include "Utf8.hpp"

namespace EditText {

namespace {

CharKind KindAt(std::string_view text, std::size_t pos) {
    return KindOf(DecodeAt(text, pos));
}

} // namespace

std::size_t CountCodePoints(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos = Utf8::Next(text, pos))
        ++count;
    return count;
}

std::size_t PrefixBytes(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (; count > 0 && pos < text.size(); --count)
        pos = Utf8::Next(text, pos);
    return pos;
}

UINT DecodeAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return 0;
    Utf8::Sequence const sequence = Utf8::Decode(text, pos);
    // Stray continuation bytes after a sequence make the whole character malformed.
    if (pos + sequence.length != Utf8::Next(text, pos))
        return static_cast<unsigned char>(text[pos]);
    return sequence.codePoint;
}

CharKind KindOf(UINT codePoint) {
    if (codePoint == ' ' || codePoint == '\t' || codePoint == 0xA0)
        return CharKind::space;
    if (codePoint >= 0x80 || codePoint == '_' || (codePoint >= '0' && codePoint <= '9') ||
        (codePoint >= 'a' && codePoint <= 'z') || (codePoint >= 'A' && codePoint <= 'Z'))
        return CharKind::word;
    return CharKind::other;
}

std::size_t WordStartBefore(std::string_view text, std::size_t pos) {
    pos = Utf8::Snap(text, pos);
    while (pos > 0 && KindAt(text, Utf8::Previous(text, pos)) == CharKind::space)
        pos = Utf8::Previous(text, pos);
    if (pos == 0)
        return 0;
    CharKind const kind = KindAt(text, Utf8::Previous(text, pos));
    while (pos > 0 && KindAt(text, Utf8::Previous(text, pos)) == kind)
        pos = Utf8::Previous(text, pos);
    return pos;
}

std::size_t WordStartAfter(std::string_view text, std::size_t pos) {
    pos = Utf8::Snap(text, pos);
    if (pos < text.size()) {
        CharKind const kind = KindAt(text, pos);
        if (kind != CharKind::space)
            while (pos < text.size() && KindAt(text, pos) == kind)
                pos = Utf8::Next(text, pos);
    }
    while (pos < text.size() && KindAt(text, pos) == CharKind::space)
        pos = Utf8::Next(text, pos);
    return pos;
}

void RunAt(std::string_view text, std::size_t pos, std::size_t & start, std::size_t & end) {
    pos = Utf8::Snap(text, pos);
    if (pos == text.size())
        pos = Utf8::Previous(text, pos);
    start = end = pos;
    if (text.empty())
        return;
    CharKind const kind = KindAt(text, pos);
    while (start > 0 && KindAt(text, Utf8::Previous(text, start)) == kind)
        start = Utf8::Previous(text, start);
    while (end < text.size() && KindAt(text, end) == kind)
        end = Utf8::Next(text, end);
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char & ch : out)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    for (char & ch : out)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

bool IsPrintable(UINT codePoint) {
    return codePoint >= 32 && codePoint != 127 && !(codePoint >= 0x80 && codePoint < 0xA0) &&
           !(codePoint >= 0xD800 && codePoint <= 0xDFFF) && codePoint <= 0x10FFFF;
}

} // namespace EditText
