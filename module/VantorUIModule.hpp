#pragma once

#include "AfxTypes.hpp"
#include "vantorui_export.h"

class CModule;

// The library's module object: created when the library is loaded, destroyed when it is
// unloaded; null outside that time or when loading failed. Entities that name the
// library's own classes, strings, dialogs and bitmaps name this module.
VANTORUI_EXPORT CModule * VantorUIModule();

// The library's entry point, which the loader runs with DLL_PROCESS_ATTACH when the library
// is loaded and DLL_PROCESS_DETACH when it is unloaded. Nonzero on success.
VANTORUI_EXPORT BOOL VantorUIDllMain(HINSTANCE instance, DWORD reason, void * reserved);
