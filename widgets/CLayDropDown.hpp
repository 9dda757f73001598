#pragma once

#include "CLayItem.hpp"
#include "vantorui_export.h"

class CUIDropBase;

// The layout item of a drop-down element's combo box, sized from the element's entries in
// the standard control font: the widest and tallest entry text (every entry, whatever the
// element shows, and without decimal points) plus 24 by 8; "XXXXXXXX" stands in for an
// empty list. It may grow to a width limit of 100, or 200 when `wide` is set and some entry
// holds a space, and no higher than its minimum.
class VANTORUI_EXPORT CLayDropDown : public CLayItem {
    AFX_DECLARE_CLASS(CLayDropDown)
public:
    CLayDropDown(CUIDropBase * owner, int wide);

protected:
    void OnPrepare(CDC & dc) override;

    CUIDropBase * m_owner;
    int m_wide;
};
