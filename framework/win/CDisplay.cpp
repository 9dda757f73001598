#include "CDisplay.hpp"

#include "CClock.hpp"
#include "internal/CWindowManager.hpp"

#include <algorithm>
#include <climits>

namespace {

CDisplay * g_display = nullptr;

// How long a loop may wait for events before the next timer runs out.
int TimeToNextTimer() {
    std::uint64_t due = 0;
    if (!CWindowManager::Get().Timers().NextDue(due))
        return -1;
    std::uint64_t const now = CClock::GetCurrent().Now();
    return due <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(due - now, INT_MAX));
}

} // namespace

CDisplay * CDisplay::GetCurrent() {
    return g_display;
}

void CDisplay::SetCurrent(CDisplay * display) {
    g_display = display;
    CModalLoops::WaitFunction wait;
    if (display)
        wait = [display] { return display->WaitEvents(TimeToNextTimer()); };
    CWindowManager::Get().Modals().SetWaitFunction(std::move(wait));
}
