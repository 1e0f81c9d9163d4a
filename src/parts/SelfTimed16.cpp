#include "parts/SelfTimed16.h"

#include "programmer/Programmer.h"

namespace {
constexpr int kConfigToUserIds = 3; // 2004h to 2007h
} // namespace

SelfTimed16::SelfTimed16(const DeviceRecord& device, const Timing& timing)
    : Mid16Part(device, Mid16Waits{}), timing_(timing) {
    waits_.eepromWriteMs = (timing.dataUs + 999) / 1000;
}

void SelfTimed16::ProgramWord(Programmer& p, int32_t value) {
    p.IcspCommand16(Cmd16::LoadDataProgram, static_cast<uint32_t>(value));
    p.IcspCommand16(UnitBegin());
    WaitCycle(p, timing_.wordUs);
    if (timing_.externalWords) {
        p.IcspCommand16(Cmd16::EndProgramming3);
        p.GetDelay().WaitMicros(static_cast<int32_t>(timing_.dischargeUs));
    }
}

int32_t SelfTimed16::UnitBegin() const {
    return timing_.externalWords ? Cmd16::BeginProgramOnly : Cmd16::BeginEraseProgram;
}

int32_t SelfTimed16::UnitEnd() const {
    return timing_.externalWords ? Cmd16::EndProgramming3 : -1;
}

void SelfTimed16::AfterUnitEnd(Programmer& p) {
    p.GetDelay().WaitMicros(static_cast<int32_t>(timing_.dischargeUs));
}

void SelfTimed16::BulkEraseHere(Programmer& p, int32_t command) {
    p.IcspCommand16(command);
    WaitCycle(p, static_cast<int32_t>(timing_.eraseUs));
}

// The IDs (when an erase at 2000h takes them without being asked to) and the configuration
// words (which every program erase takes) as the chip holds them.
SelfTimed16::Kept SelfTimed16::ReadKept(Programmer& p, bool keepIds, bool keepConfig) {
    Kept kept;
    p.EnterProgMode();
    p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
    for (int i = 0; i < kIdWords; ++i) {
        if (keepIds) {
            kept.ids.push_back(p.IcspCommand16(Cmd16::ReadDataProgram));
        }
        p.IcspCommand16(Cmd16::IncrementAddress);
    }
    for (int i = 0; i < kConfigToUserIds; ++i) {
        p.IcspCommand16(Cmd16::IncrementAddress);
    }
    for (int32_t w = 0; keepConfig && w < device_.ConfigWords; ++w) {
        if (w > 0) {
            p.IcspCommand16(Cmd16::IncrementAddress);
        }
        kept.config.push_back(p.IcspCommand16(Cmd16::ReadDataProgram));
    }
    return kept;
}

// One-word writes at 2000h-2003h and 2007h(-2008h); the configuration gets the chip's
// calibration bits (ConfigWordFor) and loses its protection bits. The latches these writes
// leave loaded are reset by the next entry into programming mode.
void SelfTimed16::WriteKept(Programmer& p, const Kept& kept) {
    p.EnterProgMode();
    p.IcspCommand16(Cmd16::LoadConfiguration, 0);
    for (int i = 0; i < kIdWords; ++i) {
        if (static_cast<size_t>(i) < kept.ids.size()) {
            ProgramWord(p, kept.ids[static_cast<size_t>(i)]);
        }
        p.IcspCommand16(Cmd16::IncrementAddress);
    }
    for (int i = 0; i < kConfigToUserIds; ++i) {
        p.IcspCommand16(Cmd16::IncrementAddress);
    }
    for (size_t w = 0; w < kept.config.size(); ++w) {
        if (w > 0) {
            p.IcspCommand16(Cmd16::IncrementAddress);
        }
        const int32_t unprotected =
            kept.config[w] | static_cast<int32_t>(w == 0 ? timing_.protectBits : 0);
        ProgramConfigWord(p, ConfigWordFor(w, unprotected));
    }
}

void SelfTimed16::EraseProgram(Programmer& p, bool withIds, bool withConfig) {
    // With the IDs or the configuration in scope the erase runs at 2000h, which takes both;
    // in user memory it keeps the IDs.
    const bool atConfig = withIds || withConfig;
    const Kept kept = ReadKept(p, atConfig && !withIds, !withConfig);
    p.EnterProgMode();
    if (atConfig) {
        p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
    }
    BulkEraseHere(p, Cmd16::BulkEraseProgram);
    p.EnterProgMode();
    AfterProgramErase(p);
    WriteKept(p, kept);
}

// Does nothing while the data is protected (CPD = 0); a program erase then takes it.
void SelfTimed16::EraseData(Programmer& p) {
    if (device_.EEProm <= 0) {
        return;
    }
    p.EnterProgMode();
    BulkEraseHere(p, Cmd16::BulkEraseData);
}

void SelfTimed16::WriteDataByte(Programmer& p, int32_t, int32_t value) {
    p.IcspCommand16(Cmd16::LoadDataData, static_cast<uint32_t>(value));
    p.IcspCommand16(Cmd16::BeginEraseProgram);
    WaitCycle(p, static_cast<int32_t>(timing_.dataUs));
}

void SelfTimed16::Unprotect(Programmer& p) {
    BulkEraseHere(p, Cmd16::BulkEraseProgram);
    p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
    BulkEraseHere(p, Cmd16::BulkEraseProgram);
    BulkEraseHere(p, Cmd16::BulkEraseData);
}

Phrase SelfTimed16::EntryAdvice() const {
    return Say("parts", "Un %1 configurado con el oscilador interno y MCLR desactivado (FOSC = "
                        "100 o 101, MCLRE = 0) solo entra en programación si el adaptador da VPP "
                        "antes que VDD: véase el README.")
        .Arg(device_.DeviceName);
}
