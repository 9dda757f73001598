#include "CLayItem.hpp"

#include "CUserException.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CLayItem, CObject, &CObject::AfxConstruct)

CLayItem::CLayItem() = default;

CLayItem::CLayItem(int size) {
    LONG blank = std::max(size, 0);
    m_minSize = m_maxSize = CSize(blank, blank);
}

CLayItem::~CLayItem() = default;

void CLayItem::Prepare(CDC & dc) {
    OnPrepare(dc);
}

void CLayItem::SetRect(CRect const & rect) {
    if (rect.Width() < m_minSize.cx || rect.Height() < m_minSize.cy)
        throw CUserException("The layout does not fit its rectangle");
    m_rect = OnClampRect(rect);
    OnSetRect(m_rect);
}

CSize CLayItem::GetMaxSize() const {
    return {std::max(m_maxSize.cx, m_minSize.cx), std::max(m_maxSize.cy, m_minSize.cy)};
}

void CLayItem::OnPrepare(CDC &) {}

void CLayItem::OnSetRect(CRect const &) {}

CRect CLayItem::OnClampRect(CRect const & rect) const {
    CSize max = GetMaxSize();
    return {rect.TopLeft(), CSize(std::min(rect.Width(), max.cx), std::min(rect.Height(), max.cy))};
}
