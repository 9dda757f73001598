#include "CLayFormEqual.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CLayFormEqual, CLayFormGrid, &CObject::AfxConstruct)

CLayFormEqual::CLayFormEqual(UINT count) : CLayFormGrid(count) {}

// Sets every entry to the largest one.
static void Level(CArray<LONG> & tracks) {
    LONG largest = 0;
    for (LONG size : tracks)
        largest = std::max(largest, size);
    for (LONG & size : tracks)
        size = largest;
}

void CLayFormEqual::OnMeasure() {
    CLayFormGrid::OnMeasure();
    Level(m_colMin);
    Level(m_colMax);
    Level(m_rowMin);
    Level(m_rowMax);
    SumTracks();
}

void CLayFormEqual::OnShare(CArray<LONG> & sizes, CArray<LONG> const & maxSizes, LONG extra) const {
    if (sizes.GetCount() == 0)
        return;
    LONG share = extra / static_cast<LONG>(sizes.GetCount());
    for (UINT i = 0; i < sizes.GetCount(); ++i)
        sizes[i] += std::clamp<LONG>(maxSizes[i] - sizes[i], 0, share);
}
