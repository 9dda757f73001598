#pragma once

class CModule;

// The window library's own module, whose resources hold the texts it shows (message box
// buttons) in the languages it supports.
CModule const * HaldenWinModule();
