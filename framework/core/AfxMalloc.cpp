#include "AfxMalloc.hpp"

#include <cstdlib>
#include <new>

void * AfxMalloc(std::size_t size) {
    void * block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void AfxFree(void * block) {
    std::free(block);
}
