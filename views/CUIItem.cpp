#include "CUIItem.hpp"

#include "CEntity.hpp"
#include "CPrintf.hpp"
#include "CRuntimeClass.hpp"
#include "CUIItemViewWnd.hpp"

AFX_IMPLEMENT_CLASS(CUIItem, CMetaItem, &CMetaItem::AfxConstruct)

CViewWnd * CUIItem::CreateItemView() {
    return new CUIItemViewWnd(0);
}

void CUIItem::LoadUI(CUIViewWnd * view, unsigned int page) {
    LoadUI(view, AfxObjectClassInfo(), page);
}

void CUIItem::OnUIChange(CUIViewWnd *, CItem *, CString) {}

void CUIItem::LoadUI(CUIViewWnd * view, CRuntimeClass const * cls, unsigned int page) {
    CString name = CString(cls->GetClassNameA()) + "UIPage";
    if (page != 0)
        name += CPrintf("%u", page);
    LoadUI(view, cls, name);
}

void CUIItem::LoadUI(CUIViewWnd * view, CRuntimeClass const * cls, CString name) {
    view->LoadPage(this, CEntity(cls->GetModule(), name), 1);
}
