#pragma once

#include "CString.hpp"
#include "vantorcore_export.h"

// Applies the host's text substitution to a string in place; without one installed the
// string stays as it is. Schema formats and tips, list entries and group titles pass
// through it, so a host can map its own placeholders to texts.
VANTORCORE_EXPORT void VantorOemStrings(CString & text);

// Installs a substitution (null removes it) and returns the one installed before.
using VantorOemFunction = void (*)(CString & text);
VANTORCORE_EXPORT VantorOemFunction VantorSetOemStrings(VantorOemFunction substitute);
