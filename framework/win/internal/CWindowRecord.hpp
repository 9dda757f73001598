#pragma once

#include "CRect.hpp"
#include "CString.hpp"
#include "CSurface.hpp"
#include "WinTypes.hpp"

#include <cstdint>
#include <memory>
#include <vector>

class CFont;
class CWndClass;

// The state of one window, as the window manager keeps it.
struct CWindowRecord {
    HWND handle = nullptr;
    CWndClass const * cls = nullptr;
    CWnd * object = nullptr;
    HWND parent = nullptr;      // the parent of a child window, the owner of a top-level one
    std::vector<HWND> children; // in creation order: later ones lie above earlier ones
    std::uint64_t order = 0;    // creation sequence: the z-order among siblings
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT id = 0;
    CString text;
    CFont const * font = nullptr;
    CRect rect; // a child's in its parent's client coordinates, a top-level's on the screen
    bool dialogStyle = false;
    void * classData = nullptr; // the class procedure's own state

    int dispatching = 0; // messages of this window being handled right now
    bool destroying = false;
    bool destroyed = false;

    bool needsPaint = false;
    bool needsErase = false;
    CRect invalid; // client coordinates
    // Children that need painting or hold children that do, in the order they asked: a
    // paint pass visits only these. `queued` says the window is in its parent's list.
    std::vector<HWND> dirtyChildren;
    bool queued = false;

    std::unique_ptr<CSurface> surface; // top-level windows: the picture they are painted into
};
