#include "CLayFormCol.hpp"

AFX_IMPLEMENT_CLASS(CLayFormCol, CLayFormGrid, &CObject::AfxConstruct)

CLayFormCol::CLayFormCol() : CLayFormGrid(1) {}
