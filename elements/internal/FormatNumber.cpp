#include "FormatNumber.hpp"

#include <climits>
#include <cstdlib>

namespace FormatNumber {

int Parse(char const * text) {
    if (!text)
        return 0;
    long long const value = std::strtoll(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace FormatNumber
