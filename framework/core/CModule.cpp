#include "CModule.hpp"

#include "AfxCompare.hpp"
#include "AfxLocale.hpp"
#include "AfxModuleOf.hpp"
#include "CEntity.hpp"

#include <dlfcn.h>
#include <limits.h>
#include <map>
#include <mutex>
#include <stdlib.h>
#include <vector>

AFX_IMPLEMENT_CLASS(CModule, CObject, &CObject::AfxConstruct)

namespace {

// Module objects and resource tables by instance handle. Never destroyed, so that modules
// unloaded late still find it.
struct ModuleRegistry {
    std::mutex lock;
    std::map<HINSTANCE, CModule *> modules;
    std::map<HINSTANCE, std::vector<CResourceRegistration const *>> resources;
};

ModuleRegistry & Registry() {
    static auto * registry = new ModuleRegistry;
    return *registry;
}

CString RealPath(char const * path) {
    char resolved[PATH_MAX];
    if (path && *path && realpath(path, resolved))
        return CString(resolved);
    return CString();
}

// The file of the module loaded at an instance handle. The main program may be reported
// by a relative name or none, so /proc/self/exe stands in for it.
CString FileOf(HINSTANCE instance) {
    Dl_info info{};
    if (dladdr(instance, &info) && info.dli_fname) {
        CString path = RealPath(info.dli_fname);
        if (!path.IsEmpty())
            return path;
    }
    return RealPath("/proc/self/exe");
}

int LanguageRank(LCID language, LCID wanted) {
    if (language == wanted)
        return 0;
    if (language == 0)
        return 1;
    if (language == 1033)
        return 2;
    return 3;
}

bool Matches(CResource const & res, CEntity const & entity, UINT type) {
    if (res.m_type != type)
        return false;
    if (entity.IsNumeric())
        return !res.m_name && res.m_id == entity.GetId();
    return res.m_name && AfxCompareNoCase(res.m_name, entity.GetName()) == 0;
}

} // namespace

CModule::CModule(int kind) : m_kind(kind) {}

CModule::~CModule() {
    Terminate();
}

BOOL CModule::InitLib(HINSTANCE instance) {
    if (!instance || m_instance || AfxModuleOf(instance) != instance)
        return FALSE;
    ModuleRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    if (!registry.modules.emplace(instance, this).second)
        return FALSE;
    m_instance = instance;
    m_filename = FileOf(instance);
    return TRUE;
}

void CModule::Terminate() {
    if (!m_instance)
        return;
    ModuleRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    auto it = registry.modules.find(m_instance);
    if (it != registry.modules.end() && it->second == this)
        registry.modules.erase(it);
    m_instance = nullptr;
}

CModule * CModule::FromInstance(HINSTANCE instance) {
    ModuleRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    auto it = registry.modules.find(instance);
    return it == registry.modules.end() ? nullptr : it->second;
}

CModule * CModule::LoadLibrary(char const * path, CString & error) {
    void * handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        char const * reason = dlerror();
        error = reason ? reason : "cannot be loaded";
        return nullptr;
    }
    CString const file = RealPath(path);
    ModuleRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    for (auto const & [instance, module] : registry.modules)
        if (module->m_filename == file)
            return module;
    error = CString(path) + ": the library has no module object";
    return nullptr;
}

CResource const * CModule::LoadResource(CEntity const & entity, UINT type) {
    CModule const * module = entity.GetModule();
    if (!module || !module->m_instance)
        return nullptr;
    LCID wanted = GetThreadLocale();
    ModuleRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    auto tables = registry.resources.find(module->m_instance);
    if (tables == registry.resources.end())
        return nullptr;
    CResource const * best = nullptr;
    int bestRank = 4;
    for (CResourceRegistration const * table : tables->second)
        for (CResource const & res : *table)
            if (Matches(res, entity, type)) {
                int rank = LanguageRank(res.m_language, wanted);
                if (rank < bestRank) {
                    best = &res;
                    bestRank = rank;
                }
            }
    return best;
}

CResourceRegistration::CResourceRegistration(CResource const * resources, UINT count)
    : m_resources(resources), m_count(count), m_instance(AfxModuleOf(resources)) {
    ModuleRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    registry.resources[m_instance].push_back(this);
}

CResourceRegistration::~CResourceRegistration() {
    ModuleRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    auto tables = registry.resources.find(m_instance);
    if (tables == registry.resources.end())
        return;
    std::erase(tables->second, this);
    if (tables->second.empty())
        registry.resources.erase(tables);
}

BOOL AfxStandardModuleEntry(CModule *& slot, int kind, HINSTANCE instance, DWORD reason) {
    if (reason == DLL_PROCESS_ATTACH) {
        slot = new CModule(kind);
        if (slot->InitLib(instance))
            return TRUE;
        delete slot;
        slot = nullptr;
        return FALSE;
    }
    if (reason == DLL_PROCESS_DETACH && slot) {
        slot->Terminate();
        delete slot;
        slot = nullptr;
    }
    return TRUE;
}
