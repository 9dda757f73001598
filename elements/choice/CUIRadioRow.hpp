#pragma once

#include "CUIRadioBase.hpp"

// A radio group whose buttons stand side by side.
class VANTORUI_EXPORT CUIRadioRow : public CUIRadioBase {
    AFX_DECLARE_CLASS(CUIRadioRow)
    AFX_DECLARE_CONSTRUCT(CUIRadioRow)
public:
    CUIRadioRow() = default;

protected:
    CLayFormation * MakeLayout() override;
};
