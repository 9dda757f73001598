#pragma once

#include "CArray.hpp"
#include "CString.hpp"
#include "haldencore_export.h"

// Splits one record (a line of a schema list or of a CSV schema file) at commas into
// at most `limit` fields (0: no limit; the last field then keeps the rest, commas and all).
// A field that begins with a double quote runs to its closing quote, so that a label such as
// "0,5 A" keeps its comma; two quotes inside it stand for one, and the quotes are not part of
// the field. Every other field is taken as it stands. False when a quoted field is not
// closed, or its closing quote is not followed by a comma or the end: the fields are then
// those of a plain split at every comma, as a record without quotes reads.
HALDENCORE_EXPORT bool SplitRecord(CString const & text, UINT limit, CArray<CString> & fields);
