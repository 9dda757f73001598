#pragma once

#include "CUIScrollBase.hpp"

// A scroll bar element lying across. Every handled code (the lines, pages, thumb and ends:
// 0 to 7) moves the bar, writes the value and reports a change, also when the value stays
// as it was and on every step of a dragged thumb; SB_ENDSCROLL and codes above it are left.
class VANTORUI_EXPORT CUIScrollHorz : public CUIScrollBase {
    AFX_DECLARE_CLASS(CUIScrollHorz)
    AFX_DECLARE_CONSTRUCT(CUIScrollHorz)
public:
    CUIScrollHorz();

protected:
    BOOL OnScroll(unsigned int value) override;
};
