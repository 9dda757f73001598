#include "TestModule.hpp"

#include "AfxModuleOf.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindProgram)

CModule * TestModule() {
    return afxThisModule_;
}
