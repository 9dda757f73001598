#include "internal/CTimerList.hpp"

#include "CClock.hpp"
#include "WinMessages.hpp"
#include "internal/CWindowManager.hpp"

#include <algorithm>

void CTimerList::Set(HWND hwnd, UINT id, UINT milliseconds) {
    std::uint64_t const due = CClock::GetCurrent().Now() + milliseconds;
    for (Timer & timer : m_timers)
        if (timer.hwnd == hwnd && timer.id == id) {
            timer.interval = milliseconds;
            timer.due = due;
            return;
        }
    m_timers.push_back({hwnd, id, milliseconds, due});
}

bool CTimerList::Kill(HWND hwnd, UINT id) {
    m_manager.Queue().Remove(hwnd, WM_TIMER, id);
    return std::erase_if(m_timers, [&](Timer const & timer) {
               return timer.hwnd == hwnd && timer.id == id;
           }) > 0;
}

void CTimerList::KillAll(HWND hwnd) {
    std::erase_if(m_timers, [hwnd](Timer const & timer) { return timer.hwnd == hwnd; });
}

void CTimerList::PostDue() {
    std::uint64_t const now = CClock::GetCurrent().Now();
    for (Timer & timer : m_timers) {
        if (timer.due > now)
            continue;
        timer.due = now + std::max<UINT>(timer.interval, 1);
        if (!m_manager.Queue().Contains(timer.hwnd, WM_TIMER, timer.id))
            m_manager.Post(timer.hwnd, WM_TIMER, timer.id, 0);
    }
}

bool CTimerList::NextDue(std::uint64_t & due) const {
    if (m_timers.empty())
        return false;
    due = std::min_element(m_timers.begin(), m_timers.end(), [](Timer const & a, Timer const & b) {
              return a.due < b.due;
          })->due;
    return true;
}
