#include "CLayItemText.hpp"

#include "CStdTools.hpp"

#include <algorithm>

AFX_IMPLEMENT_CLASS(CLayItemText, CLayItem, &CObject::AfxConstruct)

CLayItemText::CLayItemText(char const * text) : CLayItemText(text, CSize(), CSize()) {}

CLayItemText::CLayItemText(char const * text, int padX, int padY)
    : CLayItemText(text, CSize(padX, padY), CSize(padX, padY)) {}

CLayItemText::CLayItemText(char const * text, CSize minPad, CSize maxPad)
    : m_text(text), m_minPad(minPad), m_maxPad(maxPad) {}

void CLayItemText::OnPrepare(CDC & dc) {
    dc.Select(CStdTools::FindInstance()->GetStdFont());
    CSize extent = dc.GetTextExtent(m_text);
    dc.Deselect();
    // Negative pads may shrink the text but never below nothing.
    m_minSize = CSize(std::max<LONG>(extent.cx + 2 * m_minPad.cx, 0),
                      std::max<LONG>(extent.cy + 2 * m_minPad.cy, 0));
    m_maxSize = CSize(std::max<LONG>(extent.cx + 2 * m_maxPad.cx, m_minSize.cx),
                      std::max<LONG>(extent.cy + 2 * m_maxPad.cy, m_minSize.cy));
}
