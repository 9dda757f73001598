#include "AfxModuleOf.hpp"

#include <dlfcn.h>

HINSTANCE AfxModuleOf(void const * address) {
    Dl_info info{};
    if (!dladdr(address, &info))
        return nullptr;
    return info.dli_fbase;
}
