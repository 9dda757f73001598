#include "CLayFormation.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CLayFormation, CLayItem, &CObject::AfxConstruct)

CLayFormation::CLayFormation() = default;

CLayFormation::~CLayFormation() {
    for (CLayItem * item : m_items)
        delete item;
}

void CLayFormation::AddItem(CLayItem * item) {
    if (item)
        m_items.Append(item);
}

void CLayFormation::OnPrepare(CDC & dc) {
    for (CLayItem * item : m_items)
        item->Prepare(dc);
    OnMeasure();
}

LONG CLayFormation::AddCapped(LONG a, LONG b) {
    long long sum = static_cast<long long>(a) + b;
    return static_cast<LONG>(std::min<long long>(sum, maxUnlimited));
}
