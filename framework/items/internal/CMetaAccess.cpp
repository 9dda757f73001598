#include "internal/CMetaAccess.hpp"

#include "CMetaItem.hpp"
#include "CPrintf.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// Reads a whole decimal number, allowing surrounding blanks; false for anything else or a
// number outside the 32-bit range of the type.
bool ParseWhole(char const * text, bool isSigned, long long & value) {
    if (!text)
        return false;
    char * end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end)
        return false;
    return isSigned ? value >= INT32_MIN && value <= INT32_MAX : value >= 0 && value <= UINT32_MAX;
}

} // namespace

CMetaAccess::CMetaAccess(char const * name, UINT type, std::size_t offset)
    : m_name(name), m_type(type), m_offset(offset) {}

void * CMetaAccess::GetDataPtr(CItem * item) const {
    return reinterpret_cast<std::byte *>(item) + m_offset;
}

CString CMetaAccess::ReadString(CItem * item) const {
    void * data = GetDataPtr(item);
    switch (m_type) {
    case CMetaItem::metaInteger:
        return CPrintf("%d", static_cast<int>(*static_cast<LONG *>(data)));
    case CMetaItem::metaUnsigned:
        return CPrintf("%u", static_cast<unsigned>(*static_cast<DWORD *>(data)));
    case CMetaItem::metaString:
        return *static_cast<CString *>(data);
    default: {
        CItem * child = *static_cast<CItem **>(data);
        return child ? CString(child->AfxObjectClassInfo()->GetClassNameA()) : CString();
    }
    }
}

LONG CMetaAccess::ReadInteger(CItem * item) const {
    void * data = GetDataPtr(item);
    switch (m_type) {
    case CMetaItem::metaInteger:
        return *static_cast<LONG *>(data);
    case CMetaItem::metaUnsigned:
        return static_cast<LONG>(*static_cast<DWORD *>(data));
    case CMetaItem::metaString: {
        long long value = 0;
        return ParseWhole(*static_cast<CString *>(data), true, value) ? static_cast<LONG>(value)
                                                                      : 0;
    }
    default:
        return 0;
    }
}

BOOL CMetaAccess::WriteString(CItem * item, char const * text) const {
    void * data = GetDataPtr(item);
    long long value = 0;
    switch (m_type) {
    case CMetaItem::metaInteger:
        if (!ParseWhole(text, true, value))
            return FALSE;
        *static_cast<LONG *>(data) = static_cast<LONG>(value);
        return TRUE;
    case CMetaItem::metaUnsigned:
        if (!ParseWhole(text, false, value))
            return FALSE;
        *static_cast<DWORD *>(data) = static_cast<DWORD>(value);
        return TRUE;
    case CMetaItem::metaString:
        *static_cast<CString *>(data) = text;
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CMetaAccess::WriteInteger(CItem * item, LONG value) const {
    void * data = GetDataPtr(item);
    switch (m_type) {
    case CMetaItem::metaInteger:
        *static_cast<LONG *>(data) = value;
        return TRUE;
    case CMetaItem::metaUnsigned:
        *static_cast<DWORD *>(data) = static_cast<DWORD>(value);
        return TRUE;
    case CMetaItem::metaString:
        *static_cast<CString *>(data) = CPrintf("%d", static_cast<int>(value));
        return TRUE;
    default:
        return FALSE;
    }
}

void CMetaAccess::NotifyWrite(CItem * item) const {
    item->SetDirty();
}
