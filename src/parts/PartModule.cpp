#include "parts/PartModule.h"

#include "programmer/Programmer.h"

#include <algorithm>

namespace {
constexpr uint32_t MicrosPerMs = 1000;
} // namespace

const std::vector<int32_t>& PartModule::WBuf() const {
    static const std::vector<int32_t> none;
    return none;
}

bool PartModule::WritesInUnits() const {
    return !device_.WordWrites && device_.WriteUnit > 0 && device_.WriteTimeUs > 0 &&
           UnitWritesAllowed();
}

// Units in address order, each starting where the one before ended.
std::vector<WriteCycle> PartModule::PlanWriteCycles(int32_t progUsed) const {
    std::vector<WriteCycle> cycles;
    const int32_t used = std::min(progUsed, device_.ProgMem);
    if (!WritesInUnits() || used <= 0) {
        return cycles;
    }
    for (int32_t first = 0; first < used; first += device_.WriteUnit) {
        WriteCycle c;
        for (int32_t a = first; a < first + device_.WriteUnit && a < device_.ProgMem; ++a) {
            c.addresses.push_back(a);
        }
        cycles.push_back(c);
    }
    return cycles;
}

void PartModule::ProgramConfigWord(Programmer&, int32_t) {}

void PartModule::WriteConfiguration(Programmer&, const std::vector<int64_t>&) {}

void PartModule::EraseWholeChip(Programmer&) {}

std::optional<int32_t> PartModule::CalibrationAt(int32_t) const {
    return std::nullopt;
}

int32_t PartModule::ConfigWordFor(size_t, int32_t value) const {
    return value;
}

void PartModule::SetCalibration(int32_t, int32_t) {}

void PartModule::WaitCycle(Programmer& p, int32_t micros) const {
    p.GetDelay().SleepMs(static_cast<uint32_t>(micros) / MicrosPerMs);
    p.GetDelay().WaitMicros(static_cast<int32_t>(static_cast<uint32_t>(micros) % MicrosPerMs));
}
