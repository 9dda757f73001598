#include "internal/CLayUpright.hpp"

AFX_IMPLEMENT_CLASS(CLayUpright, CLayItemText, &CObject::AfxConstruct)

void CLayUpright::OnPrepare(CDC & dc) {
    CLayItemText::OnPrepare(dc);
    m_minSize = CSize(m_minSize.cy, m_minSize.cx);
    m_maxSize = CSize(m_maxSize.cy, m_maxSize.cx);
}
