#include "simulator/ClockChecker.h"

namespace Sim {

void ClockChecker::Start(int64_t now) {
    entry_ = now;
    lastRise_ = -1;
    lastFall_ = -1;
    lastSample_ = -1;
    lastDataChange_ = now;
}

void ClockChecker::Rise(int64_t now, int64_t minLowNs, int64_t minPeriodNs) {
    const int64_t lowSince = lastFall_ >= 0 ? lastFall_ : entry_;
    if (now - lowSince < minLowNs) {
        log_.Add(Rule::ClockLow, now);
    }
    if (lastRise_ >= 0 && now - lastRise_ < minPeriodNs) {
        log_.Add(Rule::ClockPeriod, now);
    }
    lastRise_ = now;
}

void ClockChecker::Fall(int64_t now, int64_t minHighNs) {
    if (lastRise_ >= 0 && now - lastRise_ < minHighNs) {
        log_.Add(Rule::ClockHigh, now);
    }
    lastFall_ = now;
}

void ClockChecker::Sample(int64_t now, int64_t minSetupNs) {
    if (now - lastDataChange_ < minSetupNs) {
        log_.Add(Rule::DataSetup, now);
    }
    lastSample_ = now;
}

void ClockChecker::DataChange(int64_t now, int64_t minHoldNs) {
    if (lastSample_ >= 0 && now - lastSample_ < minHoldNs) {
        log_.Add(Rule::DataHold, now);
    }
    lastDataChange_ = now;
}

} // namespace Sim
