#include "EditText.hpp"

namespace EditText {

namespace {

bool IsContinuation(char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

CharKind KindAt(std::string_view text, std::size_t pos) {
    return KindOf(DecodeAt(text, pos));
}

} // namespace

bool IsBoundary(std::string_view text, std::size_t pos) {
    return pos == 0 || pos >= text.size() || !IsContinuation(text[pos]);
}

std::size_t Next(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return text.size();
    ++pos;
    while (pos < text.size() && IsContinuation(text[pos]))
        ++pos;
    return pos;
}

std::size_t Previous(std::string_view text, std::size_t pos) {
    if (pos > text.size())
        pos = text.size();
    if (pos == 0)
        return 0;
    --pos;
    while (pos > 0 && IsContinuation(text[pos]))
        --pos;
    return pos;
}

std::size_t Snap(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return text.size();
    while (pos > 0 && IsContinuation(text[pos]))
        --pos;
    return pos;
}

std::size_t CountCodePoints(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos = Next(text, pos))
        ++count;
    return count;
}

std::size_t PrefixBytes(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (; count > 0 && pos < text.size(); --count)
        pos = Next(text, pos);
    return pos;
}

UINT DecodeAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return 0;
    std::size_t const end = Next(text, pos);
    auto const lead = static_cast<unsigned char>(text[pos]);
    std::size_t const length = end - pos;
    int const expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length != static_cast<std::size_t>(expected))
        return lead;
    UINT code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = pos + 1; i < end; ++i)
        code = code << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
    return code;
}

std::string Encode(UINT codePoint) {
    std::string out;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | codePoint >> 6);
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF)
            return out;
        out += static_cast<char>(0xE0 | codePoint >> 12);
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint <= 0x10FFFF) {
        out += static_cast<char>(0xF0 | codePoint >> 18);
        out += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
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
    pos = Snap(text, pos);
    while (pos > 0 && KindAt(text, Previous(text, pos)) == CharKind::space)
        pos = Previous(text, pos);
    if (pos == 0)
        return 0;
    CharKind const kind = KindAt(text, Previous(text, pos));
    while (pos > 0 && KindAt(text, Previous(text, pos)) == kind)
        pos = Previous(text, pos);
    return pos;
}

std::size_t WordStartAfter(std::string_view text, std::size_t pos) {
    pos = Snap(text, pos);
    if (pos < text.size()) {
        CharKind const kind = KindAt(text, pos);
        if (kind != CharKind::space)
            while (pos < text.size() && KindAt(text, pos) == kind)
                pos = Next(text, pos);
    }
    while (pos < text.size() && KindAt(text, pos) == CharKind::space)
        pos = Next(text, pos);
    return pos;
}

void RunAt(std::string_view text, std::size_t pos, std::size_t & start, std::size_t & end) {
    pos = Snap(text, pos);
    if (pos == text.size())
        pos = Previous(text, pos);
    start = end = pos;
    if (text.empty())
        return;
    CharKind const kind = KindAt(text, pos);
    while (start > 0 && KindAt(text, Previous(text, start)) == kind)
        start = Previous(text, start);
    while (end < text.size() && KindAt(text, end) == kind)
        end = Next(text, end);
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
