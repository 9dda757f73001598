#pragma once

#include "CArray.hpp"
#include "CMap.hpp"
#include "internal/CMetaAccess.hpp"

#include <memory>

// The registered properties of one item class, in registration order and by name.
class CMetaData {
public:
    // False when the name is already registered.
    bool Add(char const * name, UINT type, std::size_t offset);
    IDataAccess * Find(char const * name) const;
    UINT GetCount() const { return m_accesses.GetCount(); }
    IDataAccess * GetAt(UINT index) const;

private:
    CArray<std::unique_ptr<CMetaAccess>> m_accesses;
    CMap<CString, UINT> m_byName;
};
