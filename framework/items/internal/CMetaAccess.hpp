#pragma once

#include "IDataAccess.hpp"

#include <cstddef>

// The accessor of one registered property: its name, type code and the offset of its
// member from the start of the item.
class CMetaAccess : public IDataAccess {
public:
    CMetaAccess(char const * name, UINT type, std::size_t offset);

    CString ReadString(CItem * item) const override;
    LONG ReadInteger(CItem * item) const override;
    BOOL WriteString(CItem * item, char const * text) const override;
    BOOL WriteInteger(CItem * item, LONG value) const override;
    void * GetDataPtr(CItem * item) const override;
    void NotifyWrite(CItem * item) const override;
    char const * GetName() const override { return m_name; }
    UINT GetType() const override { return m_type; }

private:
    CString m_name;
    UINT m_type;
    std::size_t m_offset;
};
