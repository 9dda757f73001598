#pragma once

#include "IMalloc.hpp"
#include "WinMessages.hpp"
#include "WinTypes.hpp"
#include "haldendialog_export.h"

// The shell-style folder browser: a modal dialog in which the user picks a file-system
// folder from the sub-folders of the folder shown ("..", then the folders) or types its
// path, and confirms with OK (or Return); double-clicking a folder enters it.
//
// The browser opens in the current folder (in pidlRoot's folder when one is given, and then
// never leaves that folder's tree), with an empty path field: OK then picks the folder the
// list shows; a path typed into the field is taken from that folder. OK with a path that is
// not an existing folder tells the user and keeps the browser open. A folder that cannot be
// read shows an empty list, and the user is told once per folder.

// The longest path the shell-style calls take, with its terminating NUL.
inline constexpr UINT MAX_PATH = 260;

// BROWSEINFOA::ulFlags: folders of the file system only (the browser shows nothing else),
// and the resizable dialog style (the browser has one style). Other flags are ignored.
inline constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
inline constexpr UINT BIF_NEWDIALOGSTYLE = 0x0040;

// What the browser tells its callback: it is up (the callback's window is the browser's).
inline constexpr UINT BFFM_INITIALIZED = 1;
// Sent to the browser's window: selects a folder, given by its path (wParam TRUE, lParam a
// char const *) or by an item list (wParam FALSE). The list then shows the folder's parent
// with the folder selected, and the path field the folder; the answer is TRUE. A path that
// is not an existing folder (or lies outside the root) selects nothing and answers FALSE.
inline constexpr UINT BFFM_SETSELECTIONA = WM_USER + 102;

// An item list: a folder the shell-style calls name. Opaque; SHGetPathFromIDListA gives its
// path and the shell's allocator frees it.
struct ITEMIDLIST;

// The browser's callback: its window, a BFFM_ code, that code's parameter and the
// BROWSEINFOA::lParam given. Its answer is not used.
using BFFCALLBACK = int (*)(void * hwnd, UINT message, LPARAM lParam, LPARAM data);

struct BROWSEINFOA {
    HWND hwndOwner = nullptr;              // the owner of the browser, or none
    ITEMIDLIST const * pidlRoot = nullptr; // the top folder shown; null: the whole file system
    char * pszDisplayName = nullptr;       // receives the chosen folder's name (MAX_PATH bytes)
    char const * lpszTitle = nullptr;      // the text above the list
    UINT ulFlags = 0;                      // BIF_ flags
    BFFCALLBACK lpfn = nullptr;            // the callback, or none
    LPARAM lParam = 0;                     // passed to the callback
    int iImage = 0;                        // the chosen folder's image: always 0
};

// Runs the browser over the owner. The chosen folder as an item list, to be freed with the
// shell's allocator; null when the user cancelled or the browser could not be shown.
HALDENDIALOG_EXPORT ITEMIDLIST * SHBrowseForFolderA(BROWSEINFOA * info);
// Copies an item list's path into a buffer of MAX_PATH bytes. FALSE, with an empty
// buffer, for a null list or a path too long for it.
HALDENDIALOG_EXPORT BOOL SHGetPathFromIDListA(ITEMIDLIST const * list, char * path);
// The shell's allocator, counted as one more user; E_INVALIDARG for a null pointer.
HALDENDIALOG_EXPORT HRESULT SHGetMalloc(IMalloc ** malloc);
