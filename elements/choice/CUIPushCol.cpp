#include "CUIPushCol.hpp"

#include "CLayFormCol.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIPushCol, CUIPushBase)

CLayFormation * CUIPushCol::MakeLayout() {
    return new CLayFormCol;
}
