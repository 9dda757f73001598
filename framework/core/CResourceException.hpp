#pragma once

#include "CException.hpp"

// A resource could not be found or used: a page, a schema record, a class to create.
class HALDENCORE_EXPORT CResourceException : public CException {
    AFX_DECLARE_CLASS(CResourceException)
public:
    CResourceException(char const * name, UINT id);

    // The resource's name (empty when it was named by number or not named) and number.
    CString const & GetName() const { return m_name; }
    UINT GetId() const { return m_id; }

private:
    CString m_name;
    UINT m_id;
};

// Throws CResourceException; does not return.
[[noreturn]] HALDENCORE_EXPORT void ThrowResourceException(char const * name, UINT id);
