// A library that holds nothing but the engine's own resources, so that they can be checked
// apart from the engine.
#include "AfxModuleOf.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindLibrary)

extern "C" __attribute__((visibility("default"))) CModule * LibraryResourceModule() {
    return CModule::FromInstance(
        AfxModuleOf(reinterpret_cast<void const *>(&LibraryResourceModule)));
}
