#include "CMetaItem.hpp"

#include "internal/CMetaData.hpp"

#include <map>
#include <memory>
#include <mutex>

AFX_IMPLEMENT_DYNCREATE(CMetaItem, CItem)

namespace {

// Meta-data by class. Accessors are of one concrete class of this library, so the table
// holds no code of the modules that registered the classes.
struct MetaRegistry {
    std::mutex lock;
    std::map<CRuntimeClass const *, std::unique_ptr<CMetaData>> classes;
};

MetaRegistry & Registry() {
    static MetaRegistry registry;
    return registry;
}

// The meta-data being built by AddMetaData on this thread.
thread_local CMetaData * t_building = nullptr;

CMetaData * Lookup(CRuntimeClass const * cls) {
    MetaRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    auto it = registry.classes.find(cls);
    return it == registry.classes.end() ? nullptr : it->second.get();
}

CMetaData * MetaDataOf(CMetaItem & item) {
    CRuntimeClass const * cls = item.AfxObjectClassInfo();
    if (CMetaData * data = Lookup(cls))
        return data;
    item.Init();
    return Lookup(cls);
}

} // namespace

void CMetaItem::Init() {
    CRuntimeClass const * cls = AfxObjectClassInfo();
    if (Lookup(cls))
        return;
    auto data = std::make_unique<CMetaData>();
    CMetaData * outer = t_building;
    t_building = data.get();
    try {
        AddMetaData();
    } catch (...) {
        t_building = outer;
        throw;
    }
    t_building = outer;
    MetaRegistry & registry = Registry();
    std::lock_guard guard(registry.lock);
    registry.classes.emplace(cls, std::move(data));
}

IDataAccess * CMetaItem::GetDataAccess(char const * tag) {
    return MetaDataOf(*this)->Find(tag);
}

UINT CMetaItem::GetMetaCount() {
    return MetaDataOf(*this)->GetCount();
}

IDataAccess * CMetaItem::GetMetaAt(UINT index) {
    return MetaDataOf(*this)->GetAt(index);
}

void CMetaItem::AddMetaAt(char const * name, UINT type, std::size_t offset) {
    if (!t_building)
        throw CException(CString("AddMeta called outside AddMetaData for ") + name);
    if (!t_building->Add(name, type, offset))
        throw CException(CString("Meta-data registered twice: ") + name);
}
