#pragma once
#include "programmer/Delay.h"

// Advances a virtual clock instead of waiting, so a whole-chip write runs in milliseconds
// while every wait is still accounted for. Used by tests, benchmarks and the simulator.
class VirtualDelay : public Delay {
public:
    void WaitTenthMicro() override { now_ += 100; }
    void WaitMicro() override { now_ += 1000; }
    void WaitMicros(int32_t n) override {
        if (n > 0) {
            now_ += int64_t{n} * 1000;
        }
    }
    void SleepMs(uint32_t ms) override { now_ += int64_t{ms} * 1000000; }
    int64_t Now() const override { return now_; }
    // Moves the clock on by ns, for tests that place edges closer than a tenth of a
    // microsecond.
    void AdvanceNs(int64_t ns) {
        if (ns > 0) {
            now_ += ns;
        }
    }

private:
    int64_t now_ = 0;
};
