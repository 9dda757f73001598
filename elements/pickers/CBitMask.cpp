#include "CBitMask.hpp"

#include "CEntity.hpp"
#include "CPrintf.hpp"
#include "CRuntimeClass.hpp"
#include "CUIData.hpp"
#include "CUIViewWnd.hpp"
#include "VantorUIModule.hpp"

#include <algorithm>

AFX_IMPLEMENT_DYNCREATE(CBitMask, CUIItem)

void CBitMask::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Data", metaUnsigned, &CBitMask::m_bits);
}

void CBitMask::LoadNames(CArray<CString> & names) {
    for (CString const & name : names) {
        CString doubled = name;
        doubled.Replace("&", "&&");
        m_names.Append(doubled);
    }
}

void CBitMask::LoadUI(CUIViewWnd * view, unsigned int) {
    UINT const count = m_names.GetCount();
    view->StartGroup("Options", std::clamp<std::uint32_t>(m_columns, 1, std::max(count, 1u)));
    CRuntimeClass const * check = CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUICheck"));
    for (UINT i = 0; i < count; ++i) {
        UINT const bit = count - 1 - i;
        if (bit >= 32)
            continue;
        CUIData record;
        record.m_tag = "Data";
        record.m_label = m_names[i];
        record.m_labelAlt = m_names[i];
        record.m_class = check;
        record.m_format = CPrintf("B%u", bit);
        view->AddUI(this, "root", &record);
    }
    view->EndGroup(1);
}
