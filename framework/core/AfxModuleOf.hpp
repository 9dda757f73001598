#pragma once

#include "AfxTypes.hpp"
#include "haldencore_export.h"

// The instance handle (load address) of the module that holds an address; null when no
// loaded module holds it.
HALDENCORE_EXPORT HINSTANCE AfxModuleOf(void const * address);
