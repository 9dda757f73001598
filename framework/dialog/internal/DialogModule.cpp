#include "internal/DialogModule.hpp"

#include "AfxModuleOf.hpp"
#include "CEntity.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindLibrary)

CModule * DialogModule() {
    return afxThisModule_;
}

CString DialogString(UINT id) {
    return CString(CEntity(DialogModule(), id));
}
