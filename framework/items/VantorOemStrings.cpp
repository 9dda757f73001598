#include "VantorOemStrings.hpp"

namespace {

VantorOemFunction g_substitute = nullptr;

} // namespace

void VantorOemStrings(CString & text) {
    if (g_substitute)
        g_substitute(text);
}

VantorOemFunction VantorSetOemStrings(VantorOemFunction substitute) {
    VantorOemFunction previous = g_substitute;
    g_substitute = substitute;
    return previous;
}
