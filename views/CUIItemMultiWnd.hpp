#pragma once

#include "CMultiViewWnd.hpp"
#include "vantorui_export.h"

// A tabbed view of several pages of one item: one CUIItemViewWnd per tab name (names
// separated by commas), asking the item for pages 1, 2, ... in the order of the names. The
// tabs are made when the window is created and attached to the item shown then and on every
// later attachment.
class VANTORUI_EXPORT CUIItemMultiWnd : public CMultiViewWnd {
    AFX_DECLARE_CLASS(CUIItemMultiWnd)
    AFX_DECLARE_MESSAGE_MAP()
public:
    explicit CUIItemMultiWnd(char const * names);

protected:
    void OnPostCreate() override;
    void OnAttach() override;
    void MakeTabs(BOOL);
    void AttachViews();
    void FindItem();

    CString m_names;
    CItem * m_item = nullptr;
};
