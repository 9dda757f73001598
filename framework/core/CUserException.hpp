#pragma once

#include "CException.hpp"

// An operation could not be done as asked and the caller is expected to handle it quietly:
// a layout that does not fit its rectangle, a user's choice that was refused.
class HALDENCORE_EXPORT CUserException : public CException {
    AFX_DECLARE_CLASS(CUserException)
public:
    using CException::CException;
};
