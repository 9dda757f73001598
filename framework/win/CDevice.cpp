#include "CDevice.hpp"

#include "CHeadlessDevice.hpp"

namespace {

CHeadlessDevice g_headless;
CDevice * g_screen = nullptr;

} // namespace

LONG CDevice::GetExternalLeading(CFont const &) const {
    return 0;
}

bool CDevice::HasFontFace(char const * face) const {
    return face && *face;
}

char const * CDevice::GetDefaultFace() const {
    return "Sans";
}

CDevice & CDevice::GetScreen() {
    return g_screen ? *g_screen : g_headless;
}

void CDevice::SetScreen(CDevice * device) {
    g_screen = device;
}
