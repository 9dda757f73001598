#pragma once

#include "CLayFormGrid.hpp"

// Items side by side in one row: a grid with as many columns as items.
class VANTORLAYOUT_EXPORT CLayFormRow : public CLayFormGrid {
    AFX_DECLARE_CLASS(CLayFormRow)
public:
    CLayFormRow();

    UINT GetColumnCount() const override;
};
