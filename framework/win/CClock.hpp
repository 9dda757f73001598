#pragma once

#include "AfxTypes.hpp"
#include "haldenwin_export.h"

#include <cstdint>

// The time that timers and delays read, in milliseconds. Programs use the monotonic clock;
// tests install a manual clock and advance it themselves.
class HALDENWIN_EXPORT CClock {
public:
    virtual ~CClock() = default;
    virtual std::uint64_t Now() const = 0;

    // The clock in use.
    static CClock & GetCurrent();
    // Installs a clock (null: the monotonic clock again); the caller keeps it alive while
    // it is installed.
    static void SetCurrent(CClock * clock);
};

// The system's monotonic clock.
class HALDENWIN_EXPORT CMonotonicClock : public CClock {
public:
    std::uint64_t Now() const override;
};

// A clock that only moves when told to.
class HALDENWIN_EXPORT CManualClock : public CClock {
public:
    std::uint64_t Now() const override { return m_now; }
    void Advance(std::uint64_t milliseconds) { m_now += milliseconds; }
    void Set(std::uint64_t now) { m_now = now; }

private:
    std::uint64_t m_now = 0;
};
