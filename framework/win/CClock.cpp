#include "CClock.hpp"

#include <chrono>

namespace {

CMonotonicClock g_monotonic;
CClock * g_clock = nullptr;

} // namespace

CClock & CClock::GetCurrent() {
    return g_clock ? *g_clock : g_monotonic;
}

void CClock::SetCurrent(CClock * clock) {
    g_clock = clock;
}

std::uint64_t CMonotonicClock::Now() const {
    auto const since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}
