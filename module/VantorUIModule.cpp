#include "VantorUIModule.hpp"

#include "AfxModuleOf.hpp"
#include "AfxTrace.hpp"
#include "CModule.hpp"

namespace {

CModule * g_module = nullptr;

} // namespace

CModule * VantorUIModule() {
    return g_module;
}

BOOL VantorUIDllMain(HINSTANCE instance, DWORD reason, void *) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        try {
            g_module = new CModule(CModule::kindLibrary);
            if (g_module->InitLib(instance))
                return 1;
            AfxTrace("ERROR: Failed to load VantorUI\n");
            delete g_module;
            g_module = nullptr;
            return 0;
        } catch (...) {
            AfxTrace("ERROR: Exception loading VantorUI\n");
            return 0;
        }
    case DLL_PROCESS_DETACH:
        if (g_module) {
            g_module->Terminate();
            delete g_module;
            g_module = nullptr;
        }
        return 1;
    default:
        return 1;
    }
}

AFX_MODULE_ENTRY_POINT(VantorUIDllMain)
