#pragma once

#include "CLayFormation.hpp"

// Items on top of one another, all handed the same rectangle (each keeps what its own
// maximum allows, at the top-left). Minimum and maximum are the largest of the items' in
// each dimension.
class VANTORLAYOUT_EXPORT CLayFormOverlay : public CLayFormation {
    AFX_DECLARE_CLASS(CLayFormOverlay)
public:
    CLayFormOverlay();

protected:
    void OnMeasure() override;
    void OnSetRect(CRect const & rect) override;
};
