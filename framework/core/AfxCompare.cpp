#include "AfxCompare.hpp"

#include <cctype>

int AfxCompare(char const * a, char const * b) {
    auto const * x = reinterpret_cast<unsigned char const *>(a ? a : "");
    auto const * y = reinterpret_cast<unsigned char const *>(b ? b : "");
    while (*x && *x == *y) {
        ++x;
        ++y;
    }
    return static_cast<int>(*x) - static_cast<int>(*y);
}

static int Fold(unsigned char ch) {
    return ch < 0x80 ? std::tolower(ch) : ch;
}

int AfxCompareNoCase(char const * a, char const * b) {
    auto const * x = reinterpret_cast<unsigned char const *>(a ? a : "");
    auto const * y = reinterpret_cast<unsigned char const *>(b ? b : "");
    while (*x && Fold(*x) == Fold(*y)) {
        ++x;
        ++y;
    }
    return Fold(*x) - Fold(*y);
}
