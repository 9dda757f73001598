#include "CUIRadioRow.hpp"

#include "CLayFormRow.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIRadioRow, CUIRadioBase)

CLayFormation * CUIRadioRow::MakeLayout() {
    return new CLayFormRow;
}
