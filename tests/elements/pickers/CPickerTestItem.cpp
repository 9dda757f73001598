#include "CPickerTestItem.hpp"

AFX_IMPLEMENT_DYNCREATE(CPickerTestItem, CUIItem)

void CPickerTestItem::OnUIChange(CUIViewWnd *, CItem *, CString tag) {
    m_heard.push_back(tag.Str());
}

void CPickerTestItem::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Number", metaInteger, &CPickerTestItem::m_number);
    AddMeta("Path", metaString, &CPickerTestItem::m_path);
}
