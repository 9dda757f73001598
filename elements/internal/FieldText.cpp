#include "internal/FieldText.hpp"

#include <cctype>
#include <cstdint>

namespace FieldText {

CArray<CString> Split(CString const & format, UINT count) {
    CArray<CString> fields;
    format.Tokenize('|', fields, count + 1);
    return fields;
}

CString Field(CArray<CString> const & fields, UINT index) {
    return index < fields.GetCount() ? fields[index] : CString();
}

int Number(char const * text) {
    auto const * p = reinterpret_cast<unsigned char const *>(text ? text : "");
    while (std::isspace(*p))
        ++p;
    bool const minus = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    std::int64_t value = 0;
    for (; std::isdigit(*p); ++p)
        if (value <= INT32_MAX)
            value = value * 10 + (*p - '0');
    value = minus ? -value : value;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(value);
}

unsigned int HexNumber(char const * text) {
    auto const * p = reinterpret_cast<unsigned char const *>(text ? text : "");
    while (std::isspace(*p))
        ++p;
    bool const minus = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && std::isxdigit(p[2]))
        p += 2;
    std::uint64_t value = 0;
    bool overflow = false;
    for (; std::isxdigit(*p); ++p) {
        int const digit = std::isdigit(*p) ? *p - '0' : std::toupper(*p) - 'A' + 10;
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > UINT32_MAX) {
            overflow = true;
            value = UINT32_MAX;
        }
    }
    if (overflow)
        return UINT32_MAX;
    auto const result = static_cast<std::uint32_t>(value);
    return minus ? 0u - result : result;
}

CString Repeat(char ch, long long count) {
    if (count <= 0)
        return CString();
    return CString(ch, static_cast<UINT>(count > widest ? widest : count));
}

} // namespace FieldText
