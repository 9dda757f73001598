#include "CLayFormOverlay.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CLayFormOverlay, CLayFormation, &CObject::AfxConstruct)

CLayFormOverlay::CLayFormOverlay() = default;

void CLayFormOverlay::OnMeasure() {
    m_minSize = m_maxSize = CSize();
    for (UINT i = 0; i < GetCount(); ++i) {
        CSize min = GetItem(i)->GetMinSize();
        CSize max = GetItem(i)->GetMaxSize();
        m_minSize = CSize(std::max(m_minSize.cx, min.cx), std::max(m_minSize.cy, min.cy));
        m_maxSize = CSize(std::max(m_maxSize.cx, max.cx), std::max(m_maxSize.cy, max.cy));
    }
}

void CLayFormOverlay::OnSetRect(CRect const & rect) {
    for (UINT i = 0; i < GetCount(); ++i)
        GetItem(i)->SetRect(rect);
}
