#pragma once
#include "programmer/Delay.h"
#include "programmer/PerformanceCounter.h"

#include <cstdint>

// The real waits: busy waits on a high-resolution counter, because an operating-system
// sleep cannot time fractions of a microsecond, and millisecond sleeps for the long holds.
// Where the counter is too coarse for a wait (or reports no frequency), the wait spins a
// fixed, uncalibrated loop instead.
class CounterDelay : public Delay {
public:
    // Fallback passes when the counter is too coarse.
    static constexpr int32_t TenthMicroPasses = 81;
    static constexpr int32_t MicroPasses = 1801;

    explicit CounterDelay(PerformanceCounter& counter) : counter_(counter) {}

    // Counter used from 20 MHz up (2 ticks of 0.1 us), else 81 passes.
    void WaitTenthMicro() override;
    // floor(f / 1 MHz) + 1 ticks, counter used from 3 MHz up (4 ticks), else 1801 passes.
    void WaitMicro() override;
    // n microseconds of floor(f / 1 MHz) + 1 ticks each, each timed from its own start
    // reading; counter used from 1 MHz up (2 ticks), else 1801 passes per microsecond.
    void WaitMicros(int32_t n) override;
    // An OS sleep for all but the last millisecond, which is finished on the counter.
    void SleepMs(uint32_t ms) override;
    // The counter converted to nanoseconds (0 without a counter).
    int64_t Now() const override;

    // What the fallback loops added up (25 per pass, wrapping). Only tests look at it.
    uint32_t Accumulator() const { return accumulator_; }

private:
    void SpinUntil(int64_t start, int64_t ticks);
    void SpinPasses(int64_t passes);

    PerformanceCounter& counter_;
    // The fallback loops write to it so that they have work to do; volatile keeps the
    // compiler from folding a loop into one addition.
    volatile uint32_t accumulator_ = 0;
};
