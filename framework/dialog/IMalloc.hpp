#pragma once

#include "AfxTypes.hpp"
#include "haldendialog_export.h"

#include <cstddef>

// Results of the shell-style calls.
using HRESULT = LONG;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);

// The shell's memory allocator (SHGetMalloc): what the shell-style calls hand out, such as
// the item lists of SHBrowseForFolderA, is released with its Free. One allocator serves the
// whole process; AddRef and Release count its users and never free it.
class HALDENDIALOG_EXPORT IMalloc {
public:
    // Null when the memory cannot be had.
    virtual void * Alloc(std::size_t size) = 0;
    virtual void * Realloc(void * block, std::size_t size) = 0;
    // Releases a block of this allocator; null does nothing.
    virtual void Free(void * block) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IMalloc() = default;
};
