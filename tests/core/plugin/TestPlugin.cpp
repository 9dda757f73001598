// A library that the tests load and unload at run time.
#include "AfxModuleOf.hpp"
#include "CModule.hpp"
#include "CObject.hpp"

class __attribute__((visibility("default"))) CTestPluginThing : public CObject {
    AFX_DECLARE_CLASS(CTestPluginThing)
    AFX_DECLARE_CONSTRUCT(CTestPluginThing)
};

AFX_DEFINE_MODULE(CModule::kindLibrary)
AFX_IMPLEMENT_DYNCREATE(CTestPluginThing, CObject)
