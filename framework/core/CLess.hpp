#pragma once

#include "AfxCompare.hpp"
#include "CString.hpp"

#include <functional>

// The order of ordered maps and sets: strings by AfxCompare, everything else (pointers
// included) by value. Lookups by a plain char pointer need no temporary CString.
template <class K>
struct CLess : std::less<K> {};

template <>
struct CLess<CString> {
    using is_transparent = void;
    bool operator()(CString const & a, CString const & b) const { return AfxCompare(a, b) < 0; }
    bool operator()(CString const & a, char const * b) const { return AfxCompare(a, b) < 0; }
    bool operator()(char const * a, CString const & b) const { return AfxCompare(a, b) < 0; }
};
