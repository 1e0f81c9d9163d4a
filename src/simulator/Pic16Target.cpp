#include "simulator/Pic16Target.h"

#include "simulator/PartFacts.h"

namespace Sim {

namespace {
constexpr int CommandBits = 6;
// A data word is framed by a start and a stop clock around its data bits.
constexpr int FrameClocks = 2;
} // namespace

Pic16Target::Pic16Target(const DeviceRecord& device) : Pic16Target(MakePic16Profile(device)) {
    const PartFacts facts = FactsOf(device.DeviceName, device.Family);
    deviceId_ =
        profile_.hasDeviceId && facts.hasDeviceId ? facts.deviceId | SimulatedRevision : WordMask();
    configImplemented_ = facts.configImplemented;
    configImplemented_.resize(profile_.configWords, WordMask());
    configFill_ = facts.configFill;
    configFill_.resize(profile_.configWords, WordMask());
    if (const FlashPart* part = FindFlashPart(device.DeviceName)) {
        calibrationFacts_.assign(part->calibration, part->calibration + part->calibrationWords);
        calibration_.assign(calibrationFacts_.size(), WordMask());
        osccalFactory_ = part->osccal;
        bandGapFactory_ = part->bandGap;
        RestoreFactoryCalibration();
    }
}

Pic16Target::Pic16Target(const Pic16Profile& profile) : profile_(profile) {
    program_.assign(profile_.programWords, WordMask());
    eeprom_.assign(profile_.eepromBytes, 0xFF);
    ids_.assign(IdWords, WordMask());
    config_.assign(profile_.configWords, WordMask());
    configImplemented_.assign(profile_.configWords, WordMask());
    configFill_.assign(profile_.configWords, WordMask());
    deviceId_ = profile_.hasDeviceId ? 0 : WordMask();
    dataValidNs_ = profile_.timing.dataValidNs;
    ResetLatches();
}

void Pic16Target::SetTiming(const Pic16Timing& timing) {
    profile_.timing = timing;
    dataValidNs_ = timing.dataValidNs;
}

// Raising MCLR to VIHH resets the address counter; clock and data must be low then. The
// order of the supplies differs by part and depends on how the adapter switches them, so
// it is not judged here, but for the parts that run their own code when powered first (see
// RunsItsCode): those stay out of programming mode, their data pin not driven, until an
// entry whose supply rises with the programming voltage.
void Pic16Target::EnterProgramMode(int64_t now, bool clock, bool data, int64_t supplySince) {
    if (supplySince < now && RunsItsCode()) {
        violations_.Add(Rule::SupplyOrder, now);
        SetDrive(Drive::None, now);
        return;
    }
    BeginProgramMode(now, clock, data);
    pc_ = 0;
    ResetLatches();
    ForgetLoads();
    lastLoad_ = Latch::None;
    dataLoadSinceEntry_ = false;
    configPulses_ = 0;
    phase_ = Phase::Command;
    bitCount_ = 0;
    shift_ = 0;
    lastFrameEnd_ = -1;
    dischargeFrom_ = -1;
    SetDrive(Drive::None, now);
    setupStage_ = 0;
    bulkArmed_ = false;
}

// Dropping MCLR ends any cycle under way and loses the address counter.
void Pic16Target::LeaveProgramMode(int64_t now) {
    if (cycle_.active) {
        ResolveCycle(cycle_.interruptAt >= 0 ? cycle_.interruptAt : now, false);
    }
    if (configPulses_ > 0 && configPulses_ < ConfigWordPulses) {
        violations_.Add(Rule::ConfigPulses, now);
    }
    configPulses_ = 0;
    inProgramMode_ = false;
    SetDrive(Drive::None, now);
}

// No mid-range document sets clock high or low times: the clock checker only keeps the
// edges for the set-up, hold and entry rules.
void Pic16Target::ClockRise(int64_t now, bool /*data*/) {
    CheckEntryHold(now, profile_.timing.entryHoldNs);
    clock_.Rise(now, 0);
    if (bitCount_ == 0) {
        FrameStart(now);
    }
    if (phase_ == Phase::Read) {
        DriveReadBit(now);
    }
}

// The first clock of a command or data word: Tdly1 must have passed since the previous
// one, and a running cycle learns that the next command has arrived.
void Pic16Target::FrameStart(int64_t now) {
    if (phase_ == Phase::Command) {
        if (lastFrameEnd_ >= 0 && now - lastFrameEnd_ < profile_.timing.commandDelayNs) {
            violations_.Add(Rule::CommandToCommand, now);
        }
        if (dischargeFrom_ >= 0 && now - dischargeFrom_ < profile_.timing.dischargeNs) {
            violations_.Add(Rule::DischargeTime, now);
        }
        dischargeFrom_ = -1;
        if (cycle_.active && cycle_.interruptAt < 0) {
            cycle_.interruptAt = now;
        }
    } else if (now - lastFrameEnd_ < profile_.timing.commandDelayNs) {
        violations_.Add(Rule::CommandToData, now);
    }
}

// Clock 1 is the start bit; the chip turns its pin to output at the rising edge of clock 2
// and drives data bit k on the rising edge of clock k + 2, then lets go at the stop clock.
void Pic16Target::DriveReadBit(int64_t now) {
    const int clockNo = bitCount_ + 1;
    if (!readDriven_ || clockNo < 2) {
        return;
    }
    if (clockNo <= profile_.wordBits + 1) {
        const bool bit = ((readValue_ >> (clockNo - 2)) & 1) != 0;
        SetDrive(bit ? Drive::High : Drive::Low, now);
    } else {
        SetDrive(Drive::None, now);
    }
}

void Pic16Target::ClockFall(int64_t now, bool data) {
    const Pic16Timing& t = profile_.timing;
    clock_.Fall(now, 0);
    const int bit = data ? 1 : 0;
    switch (phase_) {
    case Phase::Command:
        clock_.Sample(now, t.setupNs);
        shift_ |= static_cast<uint32_t>(bit) << bitCount_;
        if (++bitCount_ == CommandBits) {
            const int code = static_cast<int>(shift_);
            bitCount_ = 0;
            shift_ = 0;
            lastFrameEnd_ = now;
            OnCommand(code, now);
        }
        break;
    case Phase::Load: {
        clock_.Sample(now, t.setupNs);
        const int dataBit = bitCount_ - 1; // clock 1 is the start bit
        if (dataBit >= 0 && dataBit < profile_.wordBits) {
            shift_ |= static_cast<uint32_t>(bit) << dataBit;
        }
        if (++bitCount_ == profile_.wordBits + FrameClocks) {
            const uint32_t word = shift_;
            FinishFrame(now);
            OnWordLoaded(word);
        }
        break;
    }
    case Phase::Read:
        if (++bitCount_ == profile_.wordBits + FrameClocks) {
            FinishFrame(now);
        }
        break;
    }
}

void Pic16Target::FinishFrame(int64_t now) {
    phase_ = Phase::Command;
    bitCount_ = 0;
    shift_ = 0;
    lastFrameEnd_ = now;
    SetDrive(Drive::None, now);
}

void Pic16Target::DataChange(int64_t now) {
    clock_.DataChange(now, profile_.timing.holdNs);
}

int Pic16Target::PulsesAt(uint32_t address) const {
    auto it = pulses_.find(address);
    return it == pulses_.end() ? 0 : it->second;
}

} // namespace Sim
