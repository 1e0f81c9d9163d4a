#pragma once
#include "simulator/Violations.h"

#include <cstdint>

namespace Sim {

// Times the clock and data edges a chip sees and counts those that come too soon: the
// clock's high and low phases and its period, and data set-up and hold around a sampling
// (falling) edge. A minimum of 0 is a rule the chip's document does not set.
class ClockChecker {
public:
    explicit ClockChecker(Violations& log) : log_(log) {}

    // Programming mode entered at now: no edge has been seen yet.
    void Start(int64_t now);
    // A rising edge; the low phase before it must have lasted minLowNs, and the previous
    // rising edge must lie minPeriodNs back.
    void Rise(int64_t now, int64_t minLowNs, int64_t minPeriodNs = 0);
    // A falling edge; the high phase before it must have lasted minHighNs.
    void Fall(int64_t now, int64_t minHighNs);
    // A falling edge on which the chip samples data: the data must have been steady for
    // minSetupNs. Remembers the edge for the hold check.
    void Sample(int64_t now, int64_t minSetupNs);
    // The programmer changed the data line; it must have held it minHoldNs past the last
    // sampling edge.
    void DataChange(int64_t now, int64_t minHoldNs);

    int64_t LastFall() const { return lastFall_; }
    int64_t LastRise() const { return lastRise_; }
    int64_t EntryTime() const { return entry_; }

private:
    Violations& log_;
    int64_t entry_ = 0;
    int64_t lastRise_ = -1;
    int64_t lastFall_ = -1;
    int64_t lastSample_ = -1;
    int64_t lastDataChange_ = -1;
};

} // namespace Sim
