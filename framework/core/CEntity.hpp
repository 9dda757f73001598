#pragma once

#include "CString.hpp"

class CModule;

// Names a resource or a class: a module and either a name or a number.
class HALDENCORE_EXPORT CEntity {
public:
    CEntity(CModule const * module, char const * name) : m_module(module), m_name(name) {}
    CEntity(CModule const * module, UINT id) : m_module(module), m_id(id), m_numeric(true) {}

    CModule const * GetModule() const { return m_module; }
    bool IsNumeric() const { return m_numeric; }
    // The name; empty for a numbered entity.
    char const * GetName() const { return m_name; }
    UINT GetId() const { return m_id; }

private:
    CModule const * m_module;
    CString m_name;
    UINT m_id = 0;
    bool m_numeric = false;
};
