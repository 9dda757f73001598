#pragma once

#include "AfxTypes.hpp"

#include <string_view>

// The style names a dialog file may use, with the values of the window style header.
class StyleNames {
public:
    // The value of a name (compared exactly, as written in C); false when unknown.
    static bool Find(std::string_view name, DWORD & value);
};
