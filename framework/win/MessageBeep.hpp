#pragma once

#include "WinTypes.hpp"
#include "haldenwin_export.h"

// The sound of a message type (0 the default beep), with which a control tells the user
// that an input was not taken. The window system plays no sound of its own: a beep is
// counted (CAutomation::GetBeepCount) and otherwise silent. Always TRUE.
HALDENWIN_EXPORT BOOL MessageBeep(UINT type);
