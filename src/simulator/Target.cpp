#include "simulator/Target.h"

namespace Sim {

void Target::EraseEverything() {
    for (Space space : {Space::Program, Space::Eeprom, Space::Id, Space::Config}) {
        for (uint32_t i = 0; i < Size(space); ++i) {
            Poke(space, i, ErasedValue(space));
        }
    }
    RestoreFactoryCalibration();
    protectKnob_ = false;
}

void Target::SetStuckBit(Space space, uint32_t index, int bit, bool high) {
    if (bit < 0 || bit > 31) {
        return;
    }
    Stuck& s = stuck_[{space, index}];
    const uint32_t mask = uint32_t{1} << bit;
    s.mask |= mask;
    s.high = high ? (s.high | mask) : (s.high & ~mask);
}

void Target::SetNeverTakes(Space space, uint32_t index) {
    neverTakes_.insert({space, index});
}

void Target::ClearKnobs() {
    stuck_.clear();
    neverTakes_.clear();
    protectKnob_ = false;
    pulsesToTake_ = 1;
}

uint32_t Target::ApplyStuck(Space space, uint32_t index, uint32_t value) const {
    auto it = stuck_.find({space, index});
    if (it == stuck_.end()) {
        return value;
    }
    return (value & ~it->second.mask) | it->second.high;
}

bool Target::NeverTakes(Space space, uint32_t index) const {
    return neverTakes_.count({space, index}) != 0;
}

void Target::BeginProgramMode(int64_t now, bool clock, bool data) {
    if (inProgramMode_) {
        LeaveProgramMode(now);
    }
    inProgramMode_ = true;
    clock_.Start(now);
    if (clock || data) {
        violations_.Add(Rule::EntryLevels, now);
    }
}

void Target::SetDrive(Drive drive, int64_t now) {
    driveBefore_ = drive_;
    drive_ = drive;
    driveSince_ = now;
}

Drive Target::SampleAt(int64_t now) {
    if (drive_ == Drive::None || now - driveSince_ >= dataValidNs_) {
        return drive_;
    }
    violations_.Add(Rule::ReadTooSoon, now);
    return driveBefore_;
}

void Target::CheckEntryHold(int64_t now, int64_t holdNs) {
    if (clock_.LastRise() < 0 && now - clock_.EntryTime() < holdNs) {
        violations_.Add(Rule::EntryHold, now);
    }
}

} // namespace Sim
