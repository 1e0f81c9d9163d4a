#include "programmer/CounterDelay.h"

#include <chrono>
#include <limits>
#include <thread>

namespace {
constexpr int64_t TenthMicroPerSecond = 10'000'000;
constexpr int64_t MicroPerSecond = 1'000'000;
constexpr int64_t NanoPerSecond = 1'000'000'000;
constexpr uint32_t PassIncrement = 25;

// Smallest tick counts for which the counter is used rather than the fixed loop.
constexpr int64_t TenthMicroMinTicks = 2;
constexpr int64_t MicroMinTicks = 4;
constexpr int64_t MicrosMinTicks = 2;

// |now - start| as a signed 64-bit difference; a counter that wraps still measures the
// time elapsed, and a counter running backwards cannot trap the wait.
int64_t Distance(int64_t now, int64_t start) {
    const auto diff =
        static_cast<int64_t>(static_cast<uint64_t>(now) - static_cast<uint64_t>(start));
    if (diff == std::numeric_limits<int64_t>::min()) {
        return std::numeric_limits<int64_t>::max();
    }
    return diff < 0 ? -diff : diff;
}
} // namespace

void CounterDelay::SpinUntil(int64_t start, int64_t ticks) {
    while (Distance(counter_.Count(), start) < ticks) {
    }
}

void CounterDelay::SpinPasses(int64_t passes) {
    for (int64_t i = 0; i < passes; ++i) {
        accumulator_ = accumulator_ + PassIncrement;
    }
}

void CounterDelay::WaitTenthMicro() {
    // The start is read first so that the set-up below counts towards the wait.
    const int64_t start = counter_.Count();
    const int64_t ticks = counter_.Frequency() / TenthMicroPerSecond;
    if (ticks < TenthMicroMinTicks) {
        SpinPasses(TenthMicroPasses);
        return;
    }
    SpinUntil(start, ticks);
}

void CounterDelay::WaitMicro() {
    const int64_t start = counter_.Count();
    const int64_t ticks = counter_.Frequency() / MicroPerSecond + 1;
    if (ticks < MicroMinTicks) {
        SpinPasses(MicroPasses);
        return;
    }
    SpinUntil(start, ticks);
}

void CounterDelay::WaitMicros(int32_t n) {
    if (n <= 0) {
        return;
    }
    int64_t start = counter_.Count();
    const int64_t ticks = counter_.Frequency() / MicroPerSecond + 1;
    if (ticks < MicrosMinTicks) {
        SpinPasses(int64_t{MicroPasses} * n);
        return;
    }
    // Each microsecond is timed from its own start reading, so the whole wait is at
    // least n times ticks even when a reading overshoots.
    for (int32_t i = 0; i < n; ++i) {
        if (i > 0) {
            start = counter_.Count();
        }
        SpinUntil(start, ticks);
    }
}

void CounterDelay::SleepMs(uint32_t ms) {
    const int64_t start = counter_.Count();
    const int64_t f = counter_.Frequency();
    if (f <= 0 || ms == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    // The system wakes a sleeper tens of microseconds late; over thousands of programming
    // waits that would add seconds. Sleep all but the last millisecond, then finish on
    // the counter.
    if (ms > 1) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms - 1));
    }
    SpinUntil(start, f / 1000 * ms + f % 1000 * ms / 1000);
}

int64_t CounterDelay::Now() const {
    const int64_t f = counter_.Frequency();
    if (f <= 0) {
        return 0;
    }
    const int64_t count = counter_.Count();
    if (f == NanoPerSecond) {
        return count; // the usual case, and the simulated adapter asks on every write
    }
    // Split into whole seconds and the rest so that the scaling cannot overflow.
    return count / f * NanoPerSecond + count % f * NanoPerSecond / f;
}
