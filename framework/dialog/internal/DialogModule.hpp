#pragma once

#include "AfxTypes.hpp"
#include "CString.hpp"

class CModule;

// The dialog library's own module: its strings and dialog templates.
CModule * DialogModule();

// A string of the library's string table in the thread's language.
CString DialogString(UINT id);

// The numbers of the library's strings.
namespace DialogStrings {
inline constexpr UINT templateMissing = 1;  // the dialog %1 has no usable template
inline constexpr UINT classUnknown = 2;     // a control's window class %1 is not registered
inline constexpr UINT fileNotFound = 3;     // the file %1 does not exist
inline constexpr UINT folderUnreadable = 4; // the folder %1 cannot be read
inline constexpr UINT folderNotFound = 5;   // the folder %1 does not exist
inline constexpr UINT openCaption = 6;      // the open-file dialog's caption
inline constexpr UINT allFiles = 7;         // the filter of every file, when none is given
} // namespace DialogStrings
