#include "internal/CMetaData.hpp"

bool CMetaData::Add(char const * name, UINT type, std::size_t offset) {
    if (!m_byName.Insert(CString(name), m_accesses.GetCount()))
        return false;
    m_accesses.Append(std::make_unique<CMetaAccess>(name, type, offset));
    return true;
}

IDataAccess * CMetaData::Find(char const * name) const {
    UINT const * index = m_byName.Find(name ? name : "");
    return index ? m_accesses[*index].get() : nullptr;
}

IDataAccess * CMetaData::GetAt(UINT index) const {
    return index < m_accesses.GetCount() ? m_accesses[index].get() : nullptr;
}
