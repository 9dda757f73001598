// A small library with a resources folder of its own, compiled by the resource compiler,
// through which the tests reach the compiled resources as a host's module would.
#include "AfxModuleOf.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindLibrary)

extern "C" __attribute__((visibility("default"))) CModule * TestResourceModule() {
    return CModule::FromInstance(AfxModuleOf(reinterpret_cast<void const *>(&TestResourceModule)));
}
