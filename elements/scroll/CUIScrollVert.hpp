#pragma once

#include "CUIScrollBase.hpp"

// A scroll bar element standing upright; the top is the lowest value. Its bar is laid out
// as the horizontal bar's turned upright (width and height swapped), since a bar as low as
// a text line has no room between its arrows for a thumb or page areas.
//
// It moves its value exactly as the horizontal bar does, code for code (SB_LINEUP is a line
// down in value, SB_TOP the lowest value, SB_BOTTOM the range end limited to the highest),
// and reports a change for each. So it answers TRUE for the codes 0 to 3, 6 and 7 and FALSE
// for codes above 7, as a bar that only reports would; it also answers TRUE for the thumb
// codes SB_THUMBPOSITION and SB_THUMBTRACK, because dragging the thumb changes the value and
// the item must hear every change the bar makes. A bar that reported without moving would
// leave its thumb where it was and its item without a value to read.
class VANTORUI_EXPORT CUIScrollVert : public CUIScrollBase {
    AFX_DECLARE_CLASS(CUIScrollVert)
    AFX_DECLARE_CONSTRUCT(CUIScrollVert)
public:
    CUIScrollVert();

protected:
    BOOL OnScroll(unsigned int value) override;
};
