#include "CUIScrollVert.hpp"

#include "WindowStyles.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIScrollVert, CUIScrollBase)

CUIScrollVert::CUIScrollVert() {
    m_barStyle = SBS_VERT;
}

BOOL CUIScrollVert::OnScroll(unsigned int value) {
    return Scroll(value);
}
