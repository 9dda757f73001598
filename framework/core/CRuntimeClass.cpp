#include "CRuntimeClass.hpp"

#include "AfxModuleOf.hpp"
#include "CEntity.hpp"
#include "CModule.hpp"
#include "CObject.hpp"

#include <cstring>
#include <map>
#include <mutex>
#include <string_view>

namespace {

// Registered records by module and name.
struct ClassRegistry {
    std::mutex lock;
    std::map<std::pair<HINSTANCE, std::string_view>, CRuntimeClass const *> classes;
};

ClassRegistry & Registry() {
    // Never destroyed: records of libraries unloaded after this one withdraw from it.
    static auto * registry = new ClassRegistry;
    return *registry;
}

} // namespace

CRuntimeClass::CRuntimeClass(char const * name, UINT size, CRuntimeClass const * base,
                             AfxConstructFunction construct, CGuid const & guid,
                             void const * anchor)
    : m_name(name), m_size(size), m_base(base), m_construct(construct), m_guid(guid),
      m_instance(AfxModuleOf(anchor)) {
    ClassRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    registry.classes.emplace(std::make_pair(m_instance, std::string_view(m_name)), this);
}

CRuntimeClass::~CRuntimeClass() {
    ClassRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    auto it = registry.classes.find(std::make_pair(m_instance, std::string_view(m_name)));
    if (it != registry.classes.end() && it->second == this)
        registry.classes.erase(it);
}

CModule * CRuntimeClass::GetModule() const {
    return CModule::FromInstance(m_instance);
}

BOOL CRuntimeClass::IsDerivedFrom(CRuntimeClass const * base) const {
    for (CRuntimeClass const * cls = this; cls; cls = cls->m_base)
        if (cls == base)
            return TRUE;
    return FALSE;
}

CObject * CRuntimeClass::NewObject(CRuntimeClass const * required) const {
    if (!m_construct || (required && !IsDerivedFrom(required)))
        return nullptr;
    void * block = AfxMalloc(m_size);
    try {
        return m_construct(block);
    } catch (...) {
        AfxFree(block);
        throw;
    }
}

CRuntimeClass const * CRuntimeClass::FindClass(CEntity const & entity) {
    CModule const * module = entity.GetModule();
    if (!module || entity.IsNumeric())
        return nullptr;
    ClassRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    auto it = registry.classes.find(
        std::make_pair(module->GetInstance(), std::string_view(entity.GetName())));
    return it == registry.classes.end() ? nullptr : it->second;
}

UINT CRuntimeClass::GetClasses(CModule const * module, CArray<CRuntimeClass const *> & classes) {
    classes.Empty();
    if (!module)
        return 0;
    ClassRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    HINSTANCE const instance = module->GetInstance();
    for (auto it = registry.classes.lower_bound(std::make_pair(instance, std::string_view()));
         it != registry.classes.end() && it->first.first == instance; ++it)
        classes.Append(it->second);
    return classes.GetCount();
}
