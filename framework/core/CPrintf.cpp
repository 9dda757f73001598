#include "CPrintf.hpp"

#include <cstdio>

CPrintf::CPrintf(char const * format, ...) {
    va_list args;
    va_start(args, format);
    CString::operator=(FormatV(format, args));
    va_end(args);
}

CString CPrintf::FormatV(char const * format, va_list args) {
    if (!format)
        return CString();
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (length < 0)
        return CString();
    if (static_cast<unsigned>(length) < sizeof small)
        return CString(small, static_cast<UINT>(length));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(length));
    return CString(std::move(text));
}
