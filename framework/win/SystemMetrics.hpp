#pragma once

#include "CSize.hpp"
#include "haldenwin_export.h"

// Sizes of the screen and of the standard parts of the user interface, with the Windows
// index numbers.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
// The check mark of menu items: bitmaps of this size replace it without scaling.
inline constexpr int SM_CXMENUCHECK = 71;
inline constexpr int SM_CYMENUCHECK = 72;

// The metric of an index; 0 for an index it does not know.
HALDENWIN_EXPORT int GetSystemMetrics(int index);

// The size of the screen that pop-up menus and tips keep inside. The display sets it from
// the real screen; until then it is 1920 by 1080.
HALDENWIN_EXPORT void AfxSetScreenSize(CSize size);
