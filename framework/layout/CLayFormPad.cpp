#include "CLayFormPad.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CLayFormPad, CLayFormation, &CObject::AfxConstruct)

CLayFormPad::CLayFormPad(CLayItem * item, CRect const & margins, UINT flags)
    : m_margins(margins), m_flags(flags) {
    AddItem(item);
}

CLayFormPad::CLayFormPad(CLayItem * item, UINT flags) : CLayFormPad(item, CRect(), flags) {}

CRect CLayFormPad::GetFrame() const {
    LONG space = (m_flags & padSpace) ? padSpacing : 0;
    return {m_margins.left + space, m_margins.top + space, m_margins.right + space,
            m_margins.bottom + space};
}

void CLayFormPad::OnMeasure() {
    // Any further item added is placed like the first, in the same inner rectangle.
    CSize min;
    CSize max;
    for (UINT i = 0; i < GetCount(); ++i) {
        CSize itemMin = GetItem(i)->GetMinSize();
        CSize itemMax = GetItem(i)->GetMaxSize();
        min = CSize(std::max(min.cx, itemMin.cx), std::max(min.cy, itemMin.cy));
        max = CSize(std::max(max.cx, itemMax.cx), std::max(max.cy, itemMax.cy));
    }
    CRect frame = GetFrame();
    CSize border(frame.left + frame.right, frame.top + frame.bottom);
    m_minSize = CSize(AddCapped(min.cx, border.cx), AddCapped(min.cy, border.cy));
    m_maxSize = CSize(AddCapped(max.cx, border.cx), AddCapped(max.cy, border.cy));
}

CRect CLayFormPad::OnClampRect(CRect const & rect) const {
    CRect kept = CLayFormation::OnClampRect(rect);
    if (m_flags & (padTop | padCentre))
        kept.bottom = rect.bottom;
    return kept;
}

void CLayFormPad::OnSetRect(CRect const & rect) {
    CRect inner = rect - GetFrame();
    for (UINT i = 0; i < GetCount(); ++i) {
        CLayItem * item = GetItem(i);
        CRect place = inner;
        if (m_flags & (padTop | padCentre)) {
            LONG height = std::min(inner.Height(), item->GetMaxSize().cy);
            if (!(m_flags & padTop))
                place.top += (inner.Height() - height) / 2;
            place.bottom = place.top + height;
        }
        item->SetRect(place);
    }
}
