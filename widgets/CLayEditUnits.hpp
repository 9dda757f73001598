#pragma once

#include "CLayItem.hpp"
#include "CString.hpp"
#include "vantorui_export.h"

// The units column right of an edit field. It may shrink to nothing; at most it takes the
// units text and one blank, or, when wide, fifteen "X" whatever the text, so that units
// columns of several fields line up. Its height is that of one line of text.
class VANTORUI_EXPORT CLayEditUnits : public CLayItem {
    AFX_DECLARE_CLASS(CLayEditUnits)
public:
    CLayEditUnits(char const * units, int wide);

protected:
    void OnPrepare(CDC & dc) override;

    CString m_units;
    int m_wide;
};
