#include "CPreviewItem.hpp"

#include "AfxModuleOf.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindLibrary)

AFX_IMPLEMENT_DYNCREATE(CPreviewItem, CUIItem)
AFX_IMPLEMENT_DYNCREATE(CPreviewOddItem, CPreviewItem)

void CPreviewItem::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Model", metaString, &CPreviewItem::m_model);
    AddMeta("Serial", metaString, &CPreviewItem::m_serial);
}
