#pragma once

#include "CArray.hpp"
#include "CString.hpp"

// What the edit-field elements read from their format strings and typed texts. Numbers read
// from a format never decide how much is allocated: texts sized by them stop at `widest`.
namespace FieldText {

// The most characters a size text or a zero-padded number made from a format takes.
inline constexpr int widest = 40;

// Splits a format at "|" into at most `count` fields; what lies beyond the last field used
// stays in one more field, which nobody reads.
CArray<CString> Split(CString const & format, UINT count);
// A field, or an empty text when the format has fewer.
CString Field(CArray<CString> const & fields, UINT index);

// atoi: leading blanks, an optional sign, digits; no digits give 0. Numbers beyond 32 bits
// stop at the nearer 32-bit bound instead of being undefined.
int Number(char const * text);

// strtoul in base 16 with 32-bit results: leading blanks, an optional sign and an optional
// "0x" or "0X" prefix, then hexadecimal digits up to the first other character; no digits
// give 0, a value beyond 32 bits gives 0xFFFFFFFF, and a minus negates the result modulo
// 2 to the 32nd.
unsigned int HexNumber(char const * text);

// `count` copies of a character, at most `widest`; none for a count of 0 or less.
CString Repeat(char ch, long long count);

} // namespace FieldText
