#pragma once

#include "CEntity.hpp"
#include "CUIViewWnd.hpp"

// A view of one page script for the attached item, inside a border of 4 pixels.
class VANTORUI_EXPORT CUIPageWnd : public CUIViewWnd {
    AFX_DECLARE_CLASS(CUIPageWnd)
public:
    explicit CUIPageWnd(CEntity const & page);

protected:
    void OnUICreate() override;

    CEntity m_page;
};
