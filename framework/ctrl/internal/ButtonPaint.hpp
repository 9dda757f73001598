#pragma once

#include "AfxTypes.hpp"
#include "CRect.hpp"

class CDC;
class CFont;

// How a button looks at one moment: what the paint handler reads from the window and its
// state before drawing.
struct ButtonLook {
    DWORD style = 0;
    char const * text = "";
    CFont const * font = nullptr;
    CRect client;
    UINT check = 0;
    bool pushed = false;
    bool focused = false;
    bool enabled = true;
};

// Draws a button of any type but owner-drawn into a device context.
void PaintButton(CDC & dc, ButtonLook const & look);
