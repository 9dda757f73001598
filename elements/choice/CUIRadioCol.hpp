#pragma once

#include "CUIRadioBase.hpp"

// A radio group whose buttons stand one below the other.
class VANTORUI_EXPORT CUIRadioCol : public CUIRadioBase {
    AFX_DECLARE_CLASS(CUIRadioCol)
    AFX_DECLARE_CONSTRUCT(CUIRadioCol)
public:
    CUIRadioCol() = default;

protected:
    CLayFormation * MakeLayout() override;
};
