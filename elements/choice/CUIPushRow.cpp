#include "CUIPushRow.hpp"

#include "CLayFormRow.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIPushRow, CUIPushBase)

CLayFormation * CUIPushRow::MakeLayout() {
    return new CLayFormRow;
}
