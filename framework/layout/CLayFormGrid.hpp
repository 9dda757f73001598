#pragma once

#include "CLayFormation.hpp"

// Items in a grid, filled row by row, `cols` to a row (0 counts as 1); a last row that is not
// full has fewer cells.
//
// A column is as wide as its widest minimum and may grow up to its widest maximum; a row
// likewise with heights. The grid's minimum and maximum are the sums over its columns and
// rows, so the cells of one column line up across all rows.
//
// Space beyond the minimum is shared out among the columns (and separately the rows) by
// water-filling: every column that can still grow gets an equal share, capped at its
// maximum, until the space is used up or every column is at its maximum. Pixels that do not
// divide evenly go one each to the leftmost (topmost) columns that can still grow.
//
// Each item is handed its whole cell and keeps what its own maximum allows, at the top-left.
class VANTORLAYOUT_EXPORT CLayFormGrid : public CLayFormation {
    AFX_DECLARE_CLASS(CLayFormGrid)
public:
    explicit CLayFormGrid(UINT cols);

    // The number of columns the items are laid out in.
    virtual UINT GetColumnCount() const;
    UINT GetRowCount() const;

protected:
    // Measures every column and row, then sums them into the grid's sizes.
    void OnMeasure() override;
    void OnSetRect(CRect const & rect) override;
    // Grows `sizes` (columns or rows at their minimums) by `extra` pixels in total, none
    // beyond its entry in `maxSizes`.
    virtual void OnShare(CArray<LONG> & sizes, CArray<LONG> const & maxSizes, LONG extra) const;
    // Sets the grid's sizes to the sums of the column and row sizes.
    void SumTracks();

    CArray<LONG> m_colMin;
    CArray<LONG> m_colMax;
    CArray<LONG> m_rowMin;
    CArray<LONG> m_rowMax;

private:
    UINT m_cols;
};
