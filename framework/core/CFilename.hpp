#pragma once

#include "CString.hpp"

// A file path.
class HALDENCORE_EXPORT CFilename : public CString {
public:
    CFilename() = default;
    CFilename(char const * path) : CString(path) {}
    CFilename(CString const & path) : CString(path) {}

    // The folder part with its trailing separator ("/usr/lib/libx.so" gives "/usr/lib/");
    // "./" for a bare file name.
    CString GetDirectory() const;
    // The part after the last separator.
    CString GetName() const;
};
