#include "simulator/Pic18Target.h"

#include "simulator/PartFacts.h"

namespace Sim {

namespace {
constexpr int CommandBits = 4;
constexpr int OperandBits = 16;
// Table reads ignore the first 8 operand clocks and shift the byte out on the last 8.
constexpr int ReadFirstClock = 9;
constexpr int ProgrammingClock = 4; // the clock held high for the programming pulse
} // namespace

Pic18Target::Pic18Target(const DeviceRecord& device) : Pic18Target(MakePic18Profile(device)) {
    const PartFacts facts = FactsOf(device.DeviceName, device.Family);
    const uint32_t id = facts.deviceId | SimulatedRevision;
    deviceId_ = {static_cast<uint8_t>(id & 0xFF), static_cast<uint8_t>(id >> 8)};
    configImplemented_.assign(facts.configImplemented.begin(), facts.configImplemented.end());
}

Pic18Target::Pic18Target(const Pic18Profile& profile)
    : profile_(profile), buffer_(profile.bufferBytes) {
    program_.assign(profile_.programBytes, 0xFF);
    eeprom_.assign(profile_.eepromBytes, 0xFF);
    ids_.assign(IdBytes, 0xFF);
    config_.assign(ConfigBytes, 0xFF);
    deviceId_.assign(DeviceIdBytes, 0x00);
    configImplemented_.assign(ConfigBytes, 0xFF);
    dataValidNs_ = profile_.timing.dataValidNs;
}

void Pic18Target::SetTiming(const Pic18Timing& timing) {
    profile_.timing = timing;
    dataValidNs_ = timing.dataValidNs;
}

// VPP on MCLR with PGC and PGD low, VDD up P13 before it; the chip starts from reset
// register values.
void Pic18Target::EnterProgramMode(int64_t now, bool clock, bool data, int64_t supplySince) {
    BeginProgramMode(now, clock, data);
    if (supplySince < 0 || now - supplySince < profile_.timing.supplyLeadNs) {
        violations_.Add(Rule::SupplyOrder, now);
    }
    tblptr_ = 0;
    w_ = 0;
    tablat_ = 0;
    eepgd_ = false;
    cfgs_ = false;
    wren_ = false;
    eraseLow_ = 0;
    eraseHigh_ = 0;
    panel_ = 0;
    panelSelected_ = false;
    buffer_.Clear();
    gotoLow_ = -1;
    phase_ = Phase::Command;
    bitCount_ = 0;
    shift_ = 0;
    commandEnd_ = -1;
    operandEnd_ = -1;
    SetDrive(Drive::None, now);
    armed_ = Armed::None;
    pulseRise_ = -1;
    holdEnd_ = -1;
    eraseArmed_ = false;
    eraseRunning_ = false;
    eeadr_ = 0;
    eeadrh_ = 0;
    eedata_ = 0;
    unlock_ = 0;
}

void Pic18Target::LeaveProgramMode(int64_t now) {
    if (eraseRunning_) {
        ResolveErase(now);
    }
    SettleEepromWrite(now, true);
    inProgramMode_ = false;
    SetDrive(Drive::None, now);
}

void Pic18Target::ClockRise(int64_t now, bool /*data*/) {
    const Pic18Timing& t = profile_.timing;
    CheckEntryHold(now, t.entryHoldNs);
    clock_.Rise(now, t.clockLowNs, t.clockPeriodNs);
    if (phase_ == Phase::Command) {
        if (bitCount_ == 0) {
            SetDrive(Drive::None, now); // a table read's last bit is held until the next command
            if (operandEnd_ >= 0 && now - operandEnd_ < t.operandToCommandNs) {
                violations_.Add(Rule::CommandToCommand, now);
            }
        }
        if (bitCount_ + 1 == ProgrammingClock && armed_ != Armed::None) {
            pulseRise_ = now;
        }
        return;
    }
    if (bitCount_ == 0) {
        OnOperandStart(now);
    }
    DriveReadBit(now);
}

// First operand clock: P5 (P6 for a read) after the command, and the low time owed after a
// hold.
void Pic18Target::OnOperandStart(int64_t now) {
    if (now - commandEnd_ < profile_.timing.commandToOperandNs) {
        violations_.Add(Rule::CommandToOperand, now);
    }
    if (eraseRunning_) {
        ResolveErase(now);
    }
    if (holdEnd_ >= 0) {
        if (now - holdEnd_ < dischargeNs_) {
            violations_.Add(Rule::DischargeTime, now);
        }
        holdEnd_ = -1;
    }
}

void Pic18Target::DriveReadBit(int64_t now) {
    const int clockNo = bitCount_ + 1;
    if (!IsRead(code_) || clockNo < ReadFirstClock) {
        return;
    }
    const bool bit = ((readByte_ >> (clockNo - ReadFirstClock)) & 1) != 0;
    SetDrive(bit ? Drive::High : Drive::Low, now);
}

void Pic18Target::ClockFall(int64_t now, bool data) {
    clock_.Fall(now, profile_.timing.clockHighNs);
    const uint32_t bit = data ? 1 : 0;
    if (phase_ == Phase::Command) {
        clock_.Sample(now, profile_.timing.setupNs);
        shift_ |= bit << bitCount_;
        if (++bitCount_ == CommandBits) {
            code_ = static_cast<int>(shift_);
            bitCount_ = 0;
            shift_ = 0;
            commandEnd_ = now;
            phase_ = Phase::Operand;
            OnCommandDecoded(now);
        }
        return;
    }
    if (!IsRead(code_)) {
        clock_.Sample(now, profile_.timing.setupNs);
        shift_ |= bit << bitCount_;
    }
    if (++bitCount_ == OperandBits) {
        operandEnd_ = now;
        OnOperandDone();
        phase_ = Phase::Command;
        bitCount_ = 0;
        shift_ = 0;
    }
}

void Pic18Target::OnCommandDecoded(int64_t now) {
    CheckProgrammingNop(code_, now);
    CountEraseFrames(now);
    if (IsRead(code_)) {
        StartTableRead(code_);
    }
}

void Pic18Target::OnOperandDone() {
    const auto operand = static_cast<uint16_t>(shift_);
    if (code_ == 0) {
        ExecuteCore(operand);
    } else if (IsTableWrite(code_)) {
        WriteTable(code_, operand);
    } else if (!IsRead(code_)) {
        violations_.Add(Rule::UnknownCommand, clock_.LastFall());
    }
}

void Pic18Target::DataChange(int64_t now) {
    clock_.DataChange(now, profile_.timing.holdNs);
}

} // namespace Sim
