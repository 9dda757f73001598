#pragma once

#include "CRect.hpp"

class CDC;

// Drawing shared by the list box, its scroll bar and the combo box.
namespace ListPaint {

// A small solid triangle pointing up or down, centred in a box: the glyph of scroll
// arrows and of the combo box's drop button. Disabled, it is drawn grey and engraved.
void DrawArrow(CDC & dc, CRect const & box, bool up, bool enabled);

// A push-button face (raised, or pressed flat) filling a rectangle.
void DrawButtonFace(CDC & dc, CRect const & rect, bool pressed);

// One entry's row: its background, highlighted when selected, and its text in the font
// selected into the device context, vertically centred with a small gap on the left.
// Disabled entries are grey; a selected one keeps a grey band.
void DrawEntry(CDC & dc, CRect const & row, char const * text, bool selected, bool enabled);

} // namespace ListPaint
