#pragma once

#include "CArray.hpp"
#include "CString.hpp"

// The text rules of whole numbers shown with decimal places, shared by the integer editor and
// the integer picker. A display value counts units of the last shown place: 1234 with two
// places is 12.34. More than 15 places count as 15, the most a double shows and reads back.
namespace IntegerText {

// atof of the text times 10 to the power `places`, rounded half away from zero in double
// precision; no number reads as 0. Results beyond the 32-bit range saturate at its ends.
int Parse(char const * text, unsigned int places);

// The display value with `places` decimals and "." as separator; positive values carry a "+"
// when the range starts below zero (`valueMin` negative), zero never does.
CString Format(int display, unsigned int places, int valueMin);

// The fields an integer format shares, split at "|": field 1 the places, field 2 the units,
// and only when field 3 is given the range, fields 3 and 4 (a missing maximum reads as 0);
// otherwise the range stays as it is.
void ReadFormat(CArray<CString> const & fields, unsigned int & places, CString & units,
                int & valueMin, int & valueMax);

// Raises a value below `low` to it, then lowers one above `high` to that: with the bounds
// the wrong way round the upper one wins.
int Limit(int value, int low, int high);

} // namespace IntegerText
