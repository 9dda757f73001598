#include "internal/IntegerText.hpp"

#include "CPrintf.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace IntegerText {

namespace {

double PowerOfTen(unsigned int places) {
    return std::pow(10.0, static_cast<double>(places));
}

} // namespace

int Parse(char const * text, unsigned int places) {
    double const d = std::atof(text ? text : "");
    double v = d * PowerOfTen(places);
    v += d > 0 ? 0.5 : -0.5;
    // A conversion outside the target range is undefined; such entries end at the range's
    // ends, where a save clamps them to the element's bounds anyway.
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return INT32_MAX;
    if (v <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int>(v);
}

CString Format(int display, unsigned int places, int valueMin) {
    // Beyond 15 places a double shows nothing more of a 32-bit value; the cap keeps a careless
    // format from asking printf for an enormous precision.
    int const precision = places > 15 ? 15 : static_cast<int>(places);
    CString const text = CPrintf("%.*f", precision, display / PowerOfTen(places));
    if (valueMin < 0 && display > 0)
        return CString("+") + text;
    return text;
}

} // namespace IntegerText
