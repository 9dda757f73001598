#include "Utf8.hpp"

namespace Utf8 {

std::size_t SequenceLength(char lead) {
    auto const byte = static_cast<unsigned char>(lead);
    if (byte >= 0xF0)
        return 4;
    if (byte >= 0xE0)
        return 3;
    if (byte >= 0xC0)
        return 2;
    return 1;
}

Sequence Decode(std::string_view text, std::size_t pos) {
    Sequence sequence;
    if (pos >= text.size())
        return sequence;
    auto const lead = static_cast<unsigned char>(text[pos]);
    std::size_t const expected = SequenceLength(text[pos]);
    UINT code = expected == 1 ? lead : lead & (0x7Fu >> expected);
    std::size_t length = 1;
    while (length < expected && pos + length < text.size() && IsContinuation(text[pos + length])) {
        code = code << 6 | (static_cast<unsigned char>(text[pos + length]) & 0x3F);
        ++length;
    }
    sequence.length = length;
    sequence.complete = length == expected;
    sequence.codePoint = sequence.complete ? code : lead;
    static constexpr UINT smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    bool const leadValid = lead < 0x80 || (lead >= 0xC0 && lead < 0xF8);
    sequence.valid = sequence.complete && leadValid && code >= smallest[expected] &&
                     code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    return sequence;
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

bool IsValid(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        Sequence const sequence = Decode(text, pos);
        if (!sequence.valid)
            return false;
        pos += sequence.length;
    }
    return true;
}

std::size_t Count(std::string_view text) {
    std::size_t count = 0;
    for (char byte : text)
        if (!IsContinuation(byte))
            ++count;
    return count;
}

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

} // namespace Utf8
