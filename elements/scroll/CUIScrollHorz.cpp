#include "CUIScrollHorz.hpp"

#include "WindowStyles.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIScrollHorz, CUIScrollBase)

CUIScrollHorz::CUIScrollHorz() {
    m_barStyle = SBS_HORZ;
}

BOOL CUIScrollHorz::OnScroll(unsigned int value) {
    return Scroll(value);
}
