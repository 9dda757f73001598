#pragma once

#include "AfxTypes.hpp"
#include "haldencore_export.h"

// One compiled resource of a module, as the resource compiler emits it: a type, a name (or
// a number when the name is null), a language (0 for neutral) and its bytes.
struct CResource {
    UINT m_type;
    char const * m_name;
    UINT m_id;
    LCID m_language;
    void const * m_data;
    UINT m_size;

    void const * GetData() const { return m_data; }
    UINT GetSize() const { return m_size; }
    LCID GetLanguage() const { return m_language; }
};

// Registers a module's resource table for as long as the object lives. The compiled
// resources of a module define one of these as a static object, so a module's resources
// are known from its load to its unload.
class HALDENCORE_EXPORT CResourceRegistration {
public:
    CResourceRegistration(CResource const * resources, UINT count);
    ~CResourceRegistration();
    CResourceRegistration(CResourceRegistration const &) = delete;
    CResourceRegistration & operator=(CResourceRegistration const &) = delete;

    HINSTANCE GetInstance() const { return m_instance; }
    CResource const * begin() const { return m_resources; }
    CResource const * end() const { return m_resources + m_count; }

private:
    CResource const * m_resources;
    UINT m_count;
    HINSTANCE m_instance;
};
