#include "CLayEditUnits.hpp"

#include "CStdTools.hpp"

AFX_IMPLEMENT_CLASS(CLayEditUnits, CLayItem, &CObject::AfxConstruct)

CLayEditUnits::CLayEditUnits(char const * units, int wide) : m_units(units), m_wide(wide) {}

void CLayEditUnits::OnPrepare(CDC & dc) {
    dc.Select(CStdTools::FindInstance()->GetStdFont());
    CSize const text = dc.GetTextExtent(m_units + " ");
    CSize const wide = dc.GetTextExtent(CString('X', 15));
    m_minSize = CSize(0, text.cy);
    m_maxSize = m_wide ? wide : text;
    dc.Deselect();
}
