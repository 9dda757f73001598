#include "internal/HaldenWinModule.hpp"

#include "AfxModuleOf.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindLibrary)

CModule const * HaldenWinModule() {
    return afxThisModule_;
}
