#include "CLayFormRow.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CLayFormRow, CLayFormGrid, &CObject::AfxConstruct)

CLayFormRow::CLayFormRow() : CLayFormGrid(1) {}

UINT CLayFormRow::GetColumnCount() const {
    return std::max(GetCount(), 1u);
}
