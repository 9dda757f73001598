#pragma once

#include "CString.hpp"

#include <cstdarg>

// A string formatted printf-style.
class HALDENCORE_EXPORT CPrintf : public CString {
public:
    explicit CPrintf(char const * format, ...) __attribute__((format(printf, 2, 3)));

    static CString FormatV(char const * format, va_list args);
};
