#pragma once

#include "haldencore_export.h"

#include <cstddef>

// The framework's allocator. AfxMalloc throws std::bad_alloc when memory runs out, so a
// caller never sees a null block; AfxFree accepts null.
HALDENCORE_EXPORT void * AfxMalloc(std::size_t size);
HALDENCORE_EXPORT void AfxFree(void * block);
