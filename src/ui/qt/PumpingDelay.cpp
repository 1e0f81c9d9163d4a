#include "ui/qt/PumpingDelay.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace {
constexpr int64_t kSliceNs = 20'000'000; // events are processed at least every 20 ms
} // namespace

void PumpingDelay::SleepMs(uint32_t ms) {
    if (!pumpWanted_ || !pumpWanted_()) {
        inner_.SleepMs(ms);
        return;
    }
    const int64_t end = Now() + int64_t{ms} * 1'000'000;
    QCoreApplication::processEvents();
    for (int64_t left = end - Now(); left > 0; left = end - Now()) {
        std::this_thread::sleep_for(std::chrono::nanoseconds(std::min(left, kSliceNs)));
        QCoreApplication::processEvents();
    }
}
