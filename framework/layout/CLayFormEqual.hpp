#pragma once

#include "CLayFormGrid.hpp"

// A grid of `count` columns (0 counts as 1) whose cells are all the same size: every column
// is as wide as the widest column's minimum, every row as high as the highest row's minimum.
// Space beyond the minimum is shared equally, each column growing at most to the largest
// column maximum (rows likewise); pixels that do not divide evenly stay unused at the right
// and bottom, so the cells stay equal.
class VANTORLAYOUT_EXPORT CLayFormEqual : public CLayFormGrid {
    AFX_DECLARE_CLASS(CLayFormEqual)
public:
    explicit CLayFormEqual(UINT count);

protected:
    void OnMeasure() override;
    void OnShare(CArray<LONG> & sizes, CArray<LONG> const & maxSizes, LONG extra) const override;
};
