#include "CElementTestItem.hpp"

AFX_IMPLEMENT_DYNCREATE(CElementTestItem, CMetaItem)

void CElementTestItem::AddMetaData() {
    CMetaItem::AddMetaData();
    AddMeta("Name", metaString, &CElementTestItem::m_name);
    AddMeta("Count", metaInteger, &CElementTestItem::m_count);
}
