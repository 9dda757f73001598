#include "CUIRadioCol.hpp"

#include "CLayFormCol.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIRadioCol, CUIRadioBase)

CLayFormation * CUIRadioCol::MakeLayout() {
    return new CLayFormCol;
}
