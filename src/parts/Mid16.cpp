#include "parts/Mid16.h"

#include "programmer/Programmer.h"

int32_t Mid16Part::ReadDeviceId(Programmer& p) {
    p.EnterProgMode();
    // The loaded word is not programmed: no programming command follows it.
    ConfigurationStep(p, kErasedWord, kStepsToDeviceId);
    const int32_t id = p.IcspCommand16(Cmd16::ReadDataProgram);
    p.ExitProgMode();
    return id;
}

void Mid16Part::ProgramLocation(Programmer& p, int32_t, int32_t value, int32_t) {
    ProgramWord(p, value);
}

void Mid16Part::ProgramConfigWord(Programmer& p, int32_t value) {
    ProgramWord(p, value);
}

// Loads with increments between them, the begin command with the address still on the
// unit's last word (the unit the address selects), the cycle's time, the end command where
// the cycle is externally timed, then the increment onto the next unit.
void Mid16Part::ProgramCycle(Programmer& p, const WriteCycle& cycle,
                             const std::vector<int32_t>& values) {
    const size_t n = cycle.addresses.size();
    if (n == 0) {
        return;
    }
    const uint32_t blank = (1U << device_.ProgBits) - 1;
    for (size_t i = 0; i < n; ++i) {
        const int32_t a = cycle.addresses[i];
        const bool inUse = a >= 0 && static_cast<size_t>(a) < values.size();
        p.IcspCommand16(Cmd16::LoadDataProgram,
                        inUse ? static_cast<uint32_t>(values[static_cast<size_t>(a)]) : blank);
        if (i + 1 < n) {
            p.IcspCommand16(Cmd16::IncrementAddress);
        }
    }
    p.IcspCommand16(UnitBegin());
    WaitCycle(p, device_.WriteTimeUs);
    if (UnitEnd() >= 0) {
        p.IcspCommand16(UnitEnd());
        AfterUnitEnd(p);
    }
    p.IcspCommand16(Cmd16::IncrementAddress);
}

void Mid16Part::BulkErase(Programmer& p, bool programMemory, bool withIds) {
    const int32_t load = programMemory ? Cmd16::LoadDataProgram : Cmd16::LoadDataData;
    p.EnterProgMode();
    if (withIds && programMemory) {
        p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
    }
    p.IcspCommand16(load, kErasedWord);
    p.IcspCommand16(programMemory ? Cmd16::BulkEraseProgram : Cmd16::BulkEraseData);
    p.IcspCommand16(Cmd16::BeginEraseProgram);
    p.GetDelay().SleepMs(programMemory ? waits_.programEraseMs : waits_.dataEraseMs);
}

void Mid16Part::EraseProgram(Programmer& p, bool withIds, bool) {
    BulkErase(p, true, withIds);
}

void Mid16Part::EraseData(Programmer& p) {
    if (device_.EEProm > 0 && HasDataEeprom()) {
        BulkErase(p, false, false);
    }
}

// Parts whose word cycle erases before it programs write the erased value.
void Mid16Part::EraseIds(Programmer& p, int32_t progUsed) {
    p.EnterProgMode();
    p.IcspCommand16(Cmd16::LoadConfiguration, 0);
    for (int i = 0; i < kIdWords; ++i) {
        ProgramLocation(p, i, kErasedWord, progUsed);
        p.IcspCommand16(Cmd16::IncrementAddress);
    }
}

void Mid16Part::EraseConfig(Programmer& p) {
    p.EnterProgMode();
    ConfigurationStep(p, 0, kStepsToConfigWord);
    for (int32_t w = 0; w < device_.ConfigWords; ++w) {
        if (w > 0) {
            p.IcspCommand16(Cmd16::IncrementAddress); // the second word, 2008h
        }
        ProgramConfigWord(p, kErasedWord);
    }
}

void Mid16Part::WriteDataByte(Programmer& p, int32_t, int32_t value) {
    p.IcspCommand16(Cmd16::LoadDataData, static_cast<uint32_t>(value));
    p.IcspCommand16(Cmd16::BeginEraseProgram);
    p.GetDelay().SleepMs(waits_.eepromWriteMs);
}

int32_t Mid16Part::ReadDataByte(Programmer& p, int32_t) {
    return p.IcspCommand16(Cmd16::ReadDataData) % 256;
}

void Mid16Part::NextDataByte(Programmer& p) {
    p.IcspCommand16(Cmd16::IncrementAddress);
}

void Mid16Part::ProgramWord(Programmer& p, int32_t value) {
    TimedWord(p, value, Cmd16::BeginEraseProgram, waits_.wordWriteMs, -1);
}

void Mid16Part::SetupEraseAtConfig(Programmer& p, int32_t loaded) {
    ConfigurationStep(p, loaded, kStepsToConfigWord);
    SetupErase(p, waits_.unprotectMs);
}

void Mid16Part::ChipEraseAtConfig(Programmer& p) {
    p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
    p.IcspCommand16(Cmd16::ChipErase);
    p.GetDelay().SleepMs(waits_.unprotectMs);
}

void Mid16Part::ConfigurationStep(Programmer& p, int32_t loaded, int steps) {
    p.IcspCommand16(Cmd16::LoadConfiguration, static_cast<uint32_t>(loaded));
    for (int i = 0; i < steps; ++i) {
        p.IcspCommand16(Cmd16::IncrementAddress);
    }
}

void Mid16Part::SetupErase(Programmer& p, uint32_t waitMs) {
    p.IcspCommand16(Cmd16::BulkEraseSetup1);
    p.IcspCommand16(Cmd16::BulkEraseSetup2);
    p.IcspCommand16(Cmd16::BeginEraseProgram);
    p.GetDelay().SleepMs(waitMs);
    p.IcspCommand16(Cmd16::BulkEraseSetup1);
    p.IcspCommand16(Cmd16::BulkEraseSetup2);
}

void Mid16Part::TimedWord(Programmer& p, int32_t value, int32_t begin, uint32_t waitMs,
                          int32_t end) {
    p.IcspCommand16(Cmd16::LoadDataProgram, static_cast<uint32_t>(value));
    p.IcspCommand16(begin);
    p.GetDelay().SleepMs(waitMs);
    if (end >= 0) {
        p.IcspCommand16(end);
    }
}
