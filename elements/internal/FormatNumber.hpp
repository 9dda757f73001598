#pragma once

// Whole numbers read from format fields and typed texts as atoi reads them (leading white
// space, a sign, digits; no digits read as 0), without atoi's undefined overflow: numbers
// beyond the 32-bit range saturate at its ends.
namespace FormatNumber {

int Parse(char const * text);

} // namespace FormatNumber
