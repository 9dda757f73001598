#pragma once

#include "CUIPushBase.hpp"

// A push group whose buttons stand side by side.
class VANTORUI_EXPORT CUIPushRow : public CUIPushBase {
    AFX_DECLARE_CLASS(CUIPushRow)
    AFX_DECLARE_CONSTRUCT(CUIPushRow)
public:
    CUIPushRow() = default;

protected:
    CLayFormation * MakeLayout() override;
};
