#pragma once

#include "CLayFormGrid.hpp"

// Items one below the other: a grid of one column.
class VANTORLAYOUT_EXPORT CLayFormCol : public CLayFormGrid {
    AFX_DECLARE_CLASS(CLayFormCol)
public:
    CLayFormCol();
};
