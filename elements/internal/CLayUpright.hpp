#pragma once

#include "CLayItemText.hpp"

// A text-sized layout item turned upright: measured as CLayItemText, then width and height
// swapped, minimum and maximum alike. A vertical scroll bar sized on the sample text of a
// horizontal one so gets its length along the height.
class CLayUpright : public CLayItemText {
    AFX_DECLARE_CLASS(CLayUpright)
public:
    using CLayItemText::CLayItemText;

protected:
    void OnPrepare(CDC & dc) override;
};
