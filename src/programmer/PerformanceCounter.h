#pragma once
#include <cstdint>

// A free-running high-resolution counter: the clock the microsecond busy waits spin on.
class PerformanceCounter {
public:
    virtual ~PerformanceCounter() = default;
    // Current count.
    virtual int64_t Count() = 0;
    // Counts per second; 0 when the platform has no usable counter.
    virtual int64_t Frequency() = 0;
};
