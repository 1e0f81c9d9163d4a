#include "simulator/SimulatedPort.h"

#include "simulator/AdapterLines.h"

namespace Sim {

using namespace Lines;

SimulatedPort::SimulatedPort(const Delay& delay, std::unique_ptr<Target> target)
    : delay_(delay), target_(std::move(target)), lines_(LineIdle | LineRelease) {}

void SimulatedPort::ReplaceChip(std::unique_ptr<Target> target) {
    target_ = std::move(target);
}

// Programming voltage on MCLR, and the adapter not forcing the target into reset.
bool SimulatedPort::ProgrammingState(uint8_t lines) {
    return (lines & LineProg) != 0 && (lines & LineIdle) == 0;
}

bool SimulatedPort::Powered(uint8_t lines) {
    return (lines & (LinePrep | LineProg)) != 0;
}

bool SimulatedPort::ProgrammerDrives() const {
    return (lines_ & LineRelease) == 0;
}

bool SimulatedPort::LevelAtChip() const {
    if (ProgrammerDrives()) {
        return (lines_ & LineData) != 0;
    }
    if (ChipPresent()) {
        const Drive out = target_->DataOut();
        if (out != Drive::None) {
            return out == Drive::High;
        }
    }
    return true; // released and undriven: the line floats high
}

bool SimulatedPort::DataLineHigh() const {
    return LevelAtChip();
}

void SimulatedPort::WriteData(uint8_t value) {
    const uint8_t before = lines_;
    lines_ = value;
    const int64_t now = delay_.Now();
    if (!Powered(value)) {
        poweredSince_ = -1;
    } else if (poweredSince_ < 0) {
        poweredSince_ = now;
    }
    if (!ChipPresent()) {
        return;
    }
    const bool wasProg = ProgrammingState(before);
    const bool isProg = ProgrammingState(value);
    if (wasProg && !isProg) {
        target_->LeaveProgramMode(now);
        return;
    }
    if (!wasProg && isProg) {
        target_->EnterProgramMode(now, (value & LineClock) != 0, LevelAtChip(), poweredSince_);
        return;
    }
    if (isProg && target_->InProgramMode()) {
        ForwardEdges(before, now);
    }
}

void SimulatedPort::ForwardEdges(uint8_t before, int64_t now) {
    const bool droveBefore = (before & LineRelease) == 0;
    const bool dataBefore = (before & LineData) != 0;
    if (ProgrammerDrives() && (!droveBefore || dataBefore != ((lines_ & LineData) != 0))) {
        target_->DataChange(now);
    }
    const bool clockBefore = (before & LineClock) != 0;
    const bool clockNow = (lines_ & LineClock) != 0;
    if (clockNow && !clockBefore) {
        target_->ClockRise(now, LevelAtChip());
        CheckContention(now);
    } else if (!clockNow && clockBefore) {
        target_->ClockFall(now, LevelAtChip());
        CheckContention(now);
    }
}

// Checked at clock edges, where a chip starts or keeps driving: the program must have let
// go of the line by then.
void SimulatedPort::CheckContention(int64_t now) {
    if (ProgrammerDrives() && target_->DataOut() != Drive::None) {
        target_->Report(Rule::BusContention, now);
    }
}

uint8_t SimulatedPort::ReadStatus() {
    bool high = LevelAtChip();
    if (!ProgrammerDrives() && ChipPresent() && target_->DataOut() != Drive::None) {
        high = target_->SampleAt(delay_.Now()) != Drive::Low;
    }
    return static_cast<uint8_t>((high ? StatusData : 0) | StatusOtherBits);
}

} // namespace Sim
