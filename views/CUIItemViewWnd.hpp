#pragma once

#include "CUIViewWnd.hpp"

class CUIItem;

// A view of one page of the attached item, which the item describes itself (CUIItem::LoadUI).
// Only CUIItems may be attached.
class VANTORUI_EXPORT CUIItemViewWnd : public CUIViewWnd {
    AFX_DECLARE_CLASS(CUIItemViewWnd)
    AFX_DECLARE_CONSTRUCT(CUIItemViewWnd)
public:
    CUIItemViewWnd() : CUIItemViewWnd(0) {}
    explicit CUIItemViewWnd(UINT page) : m_page(page) {}

    UINT GetPage() const { return m_page; }

protected:
    void OnAttach() override;
    void OnUICreate() override;

    CUIItem * m_item = nullptr;
    UINT m_page;
};
