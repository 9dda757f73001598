#pragma once

#include "CUIPushBase.hpp"

// A push group whose buttons stand one below the other.
class VANTORUI_EXPORT CUIPushCol : public CUIPushBase {
    AFX_DECLARE_CLASS(CUIPushCol)
    AFX_DECLARE_CONSTRUCT(CUIPushCol)
public:
    CUIPushCol() = default;

protected:
    CLayFormation * MakeLayout() override;
};
