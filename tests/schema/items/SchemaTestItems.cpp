#include "SchemaTestItems.hpp"

#include "AfxModuleOf.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindLibrary)

AFX_IMPLEMENT_DYNCREATE(CSchemaBase, CMetaItem)
AFX_IMPLEMENT_DYNCREATE(CSchemaDerived, CSchemaBase)
AFX_IMPLEMENT_DYNCREATE(CSchemaBare, CMetaItem)
AFX_IMPLEMENT_DYNCREATE(CSchemaPlain, CItem)

CModule * SchemaTestModule() {
    return afxThisModule_;
}
