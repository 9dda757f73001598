#include "CDevice.hpp"

#include "CHeadlessDevice.hpp"

namespace {

CHeadlessDevice g_headless;
CDevice * g_screen = nullptr;

} // namespace

CDevice & CDevice::GetScreen() {
    return g_screen ? *g_screen : g_headless;
}

void CDevice::SetScreen(CDevice * device) {
    g_screen = device;
}
