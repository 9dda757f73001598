#pragma once

#include "CMetaItem.hpp"
#include "vantorui_export.h"

#include <cstdint>

class CRuntimeClass;
class CUIViewWnd;

// The base of items that show themselves through this library. It makes the item's view,
// describes the item's pages to a view (by default by running its class's page script,
// named after the class: "<class>UIPage" for page 0, "<class>UIPage<n>" for page n, in the
// module that registered the class) and hears the changes of its elements.
class VANTORUI_EXPORT CUIItem : public CMetaItem {
    AFX_DECLARE_CLASS(CUIItem)
public:
    CUIItem() = default;

    // A new single-page view (page 0), not yet attached; the caller owns it and attaches it.
    CViewWnd * CreateItemView() override;
    // Fills a page the view has started; by default runs this class's page script.
    virtual void LoadUI(CUIViewWnd * view, unsigned int page);
    // Called after an element of `item` saved a change of property `tag`, with the empty tag
    // for an enable pass and "Button%4.4X" for a button command. Items update, enable, show
    // and rename elements through `view` here. Does nothing by default.
    virtual void OnUIChange(CUIViewWnd * view, CItem * item, CString tag);

protected:
    // The page script of another class, for subclasses that inherit their pages.
    void LoadUI(CUIViewWnd * view, CRuntimeClass const * cls, unsigned int page);
    void LoadUI(CUIViewWnd * view, CRuntimeClass const * cls, CString name);

private:
    std::uint32_t m_reserved = 0;
};
