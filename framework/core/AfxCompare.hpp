#pragma once

#include "haldencore_export.h"

// Orders two strings byte by byte (as unsigned bytes, so UTF-8 text sorts by code point):
// negative, zero or positive. A null pointer orders as the empty string.
HALDENCORE_EXPORT int AfxCompare(char const * a, char const * b);

// As AfxCompare, but ASCII letters compare without regard to case.
HALDENCORE_EXPORT int AfxCompareNoCase(char const * a, char const * b);
