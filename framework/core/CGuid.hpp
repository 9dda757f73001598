#pragma once

#include "AfxTypes.hpp"
#include "haldencore_export.h"

#include <array>

// A 128-bit class identifier. Constructed from a null or empty string it is the null GUID;
// otherwise its hexadecimal digits are read in order, braces and hyphens skipped.
class HALDENCORE_EXPORT CGuid {
public:
    explicit CGuid(char const * text = nullptr);

    bool IsNull() const;
    std::array<BYTE, 16> const & GetBytes() const { return m_bytes; }
    friend bool operator==(CGuid const & a, CGuid const & b) { return a.m_bytes == b.m_bytes; }

private:
    std::array<BYTE, 16> m_bytes{};
};
