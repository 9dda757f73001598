#pragma once

#include "WinTypes.hpp"

#include <cstdint>
#include <vector>

class CWindowManager;

// The windows' timers, read against the current clock. A timer that runs out posts one
// WM_TIMER (never a second while the first still waits in the queue) and starts again.
class CTimerList {
public:
    explicit CTimerList(CWindowManager & manager) : m_manager(manager) {}

    UINT AllocTimerID() { return ++m_lastTimerId; }
    // Starts a timer, or restarts it with a new interval.
    void Set(HWND hwnd, UINT id, UINT milliseconds);
    // Stops a timer and drops its waiting WM_TIMER; false when there was none.
    bool Kill(HWND hwnd, UINT id);
    // Stops every timer of a window that goes.
    void KillAll(HWND hwnd);
    // Posts WM_TIMER for every timer that has run out.
    void PostDue();
    // The earliest time a timer runs out; false when there is none.
    bool NextDue(std::uint64_t & due) const;

private:
    struct Timer {
        HWND hwnd;
        UINT id;
        UINT interval;
        std::uint64_t due;
    };

    CWindowManager & m_manager;
    std::vector<Timer> m_timers;
    UINT m_lastTimerId = 0;
};
