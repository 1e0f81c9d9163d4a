#include "programmer/SteadyCounter.h"

#include <chrono>

namespace {
using Clock = std::chrono::steady_clock;
}

int64_t SteadyCounter::Count() {
    return static_cast<int64_t>(Clock::now().time_since_epoch().count());
}

int64_t SteadyCounter::Frequency() {
    // The tick period is a compile-time ratio; a period longer than a second would mean
    // a counter far too coarse for any of the waits, reported as no counter at all.
    using Period = Clock::period;
    return static_cast<int64_t>(Period::den / Period::num);
}
