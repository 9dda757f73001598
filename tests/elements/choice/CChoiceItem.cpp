#include "CChoiceItem.hpp"

AFX_IMPLEMENT_DYNCREATE(CChoiceItem, CUIItem)

void CChoiceItem::OnUIChange(CUIViewWnd * view, CItem *, CString tag) {
    if (tag.IsEmpty())
        return;
    m_heard.push_back(tag.Str());
    if (m_rule)
        m_rule(*view, tag);
}

void CChoiceItem::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Mode", metaInteger, &CChoiceItem::m_mode);
    AddMeta("Flags", metaInteger, &CChoiceItem::m_flags);
    AddMeta("Level", metaInteger, &CChoiceItem::m_level);
    AddMeta("Other", metaInteger, &CChoiceItem::m_other);
}
