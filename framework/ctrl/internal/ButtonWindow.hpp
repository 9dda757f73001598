#pragma once

#include "WinTypes.hpp"

// The window class of buttons: push buttons, check boxes, radio buttons, group boxes and
// owner-drawn buttons, chosen by the button type in the window style.
namespace ButtonWindow {

// Registers the class on first use and gives its name ("button").
char const * ClassName();

// True for a window of the button class that is still alive.
bool IsButton(HWND hwnd);

} // namespace ButtonWindow
