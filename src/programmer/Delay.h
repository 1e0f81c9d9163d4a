#pragma once
#include <cstdint>

// The waits the ICSP sequences put between line changes.
class Delay {
public:
    virtual ~Delay() = default;
    // Busy wait of about 0.1 microsecond (before every port access).
    virtual void WaitTenthMicro() = 0;
    // Busy wait of about 1 microsecond.
    virtual void WaitMicro() = 0;
    // Busy wait of n microseconds; n of 0 or less returns at once.
    virtual void WaitMicros(int32_t n) = 0;
    // Yields the thread for ms milliseconds.
    virtual void SleepMs(uint32_t ms) = 0;
    // Monotonic time in nanoseconds (virtual time for VirtualDelay).
    virtual int64_t Now() const = 0;
};
