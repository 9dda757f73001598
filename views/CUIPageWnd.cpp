#include "CUIPageWnd.hpp"

AFX_IMPLEMENT_CLASS(CUIPageWnd, CUIViewWnd, &CUIViewWnd::AfxConstruct)

CUIPageWnd::CUIPageWnd(CEntity const & page) : m_page(page) {
    SetBorder(CRect(4, 4, 4, 4));
}

void CUIPageWnd::OnUICreate() {
    LoadPage(GetItem(), m_page, FALSE);
}
