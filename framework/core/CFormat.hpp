#pragma once

#include "CString.hpp"

// A message with every "%1" replaced by an argument; the argument's own text is not
// scanned again, so an argument that contains "%1" stays as it is.
class HALDENCORE_EXPORT CFormat : public CString {
public:
    CFormat(char const * format, char const * arg1);
};
