#pragma once
#include "programmer/PerformanceCounter.h"

// The real counter: the monotonic clock of the standard library, in its own ticks.
class SteadyCounter : public PerformanceCounter {
public:
    int64_t Count() override;
    int64_t Frequency() override;
};
