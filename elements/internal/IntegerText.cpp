#include "internal/IntegerText.hpp"

#include "CPrintf.hpp"
#include "internal/FieldText.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace IntegerText {

namespace {

// A double holds about 15 decimal digits, so more places than that could neither be shown
// nor read back: a text would lose the value it shows. Both directions stop at 15.
constexpr unsigned int maxPlaces = 15;

unsigned int Places(unsigned int places) {
    return places > maxPlaces ? maxPlaces : places;
}

double PowerOfTen(unsigned int places) {
    return std::pow(10.0, static_cast<double>(Places(places)));
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
    int const precision = static_cast<int>(Places(places));
    CString const text = CPrintf("%.*f", precision, display / PowerOfTen(places));
    if (valueMin < 0 && display > 0)
        return CString("+") + text;
    return text;
}

void ReadFormat(CArray<CString> const & fields, unsigned int & places, CString & units,
                int & valueMin, int & valueMax) {
    places = static_cast<unsigned int>(FieldText::Number(FieldText::Field(fields, 1)));
    units = FieldText::Field(fields, 2);
    if (FieldText::Field(fields, 3).IsEmpty())
        return;
    valueMin = FieldText::Number(FieldText::Field(fields, 3));
    valueMax = FieldText::Number(FieldText::Field(fields, 4));
}

int Limit(int value, int low, int high) {
    if (value < low)
        value = low;
    if (value > high)
        value = high;
    return value;
}

} // namespace IntegerText
