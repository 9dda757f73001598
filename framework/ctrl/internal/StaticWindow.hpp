#pragma once

#include "WinTypes.hpp"

// The window class of static texts.
namespace StaticWindow {

// Registers the class on first use and gives its name ("static").
char const * ClassName();

// The class's window procedure.
LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace StaticWindow
