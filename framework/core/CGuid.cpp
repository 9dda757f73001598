#include "CGuid.hpp"

#include <cctype>

CGuid::CGuid(char const * text) {
    unsigned digit = 0;
    for (char const * p = text ? text : ""; *p && digit < 32; ++p) {
        if (!std::isxdigit(static_cast<unsigned char>(*p)))
            continue;
        int value = std::isdigit(static_cast<unsigned char>(*p))
                        ? *p - '0'
                        : std::tolower(static_cast<unsigned char>(*p)) - 'a' + 10;
        m_bytes[digit / 2] = static_cast<BYTE>(m_bytes[digit / 2] << 4 | value);
        ++digit;
    }
}

bool CGuid::IsNull() const {
    for (BYTE b : m_bytes)
        if (b)
            return false;
    return true;
}
