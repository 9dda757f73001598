#include "CUIItemViewWnd.hpp"

#include "CUIItem.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIItemViewWnd, CUIViewWnd)

void CUIItemViewWnd::OnAttach() {
    m_item = static_cast<CUIItem *>(GetItem());
    CUIViewWnd::OnAttach();
}

void CUIItemViewWnd::OnUICreate() {
    StartPage(1);
    if (m_item)
        m_item->LoadUI(this, m_page);
    EndPage(0);
}
