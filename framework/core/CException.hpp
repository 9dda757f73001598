#pragma once

#include "CObject.hpp"
#include "CString.hpp"

// Base of the framework's exceptions, thrown and caught by value or reference.
class HALDENCORE_EXPORT CException : public CObject {
    AFX_DECLARE_CLASS(CException)
public:
    CException() = default;
    explicit CException(char const * message) : m_message(message) {}
    CException(CException const &) = default;
    CException & operator=(CException const &) = default;

    // What went wrong, for logs; may be empty.
    CString const & GetMessage() const { return m_message; }

private:
    CString m_message;
};
