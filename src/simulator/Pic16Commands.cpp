#include "simulator/Pic16Target.h"

namespace Sim {

namespace {
// Command codes, bits 5..0 as the programming documents list them.
constexpr int LoadConfiguration = 0x00;
constexpr int BulkEraseSetup1 = 0x01;
constexpr int LoadDataProgram = 0x02;
constexpr int LoadDataData = 0x03;
constexpr int ReadDataProgram = 0x04;
constexpr int ReadDataData = 0x05;
constexpr int IncrementAddress = 0x06;
constexpr int BulkEraseSetup2 = 0x07;
constexpr int BeginEraseProgram = 0x08;
constexpr int BulkEraseProgram = 0x09;
constexpr int EndProgrammingFlash = 0x0A; // DS41191D, DS41204G, DS41287C
constexpr int BulkEraseData = 0x0B;
constexpr int EndProgramming = 0x0E;
constexpr int RowEraseProgram = 0x11; // DS41204G, DS41287C
constexpr int EndProgramming87XA = 0x17;
constexpr int BeginProgramOnly = 0x18;
constexpr int ChipEraseCode = 0x1F;

// Bits of the code a variant does not decode.
constexpr int LowFourBits = 0x0F; // F84A (but its two begin commands), 7X (bits 4-5)
constexpr int LowFiveBits = 0x1F; // 87XA, 87/88 (bit 5)

// The address counter's wrap point in the user half.
constexpr uint32_t UserEnd = 0x2000;
// 87XA: Chip Erase with the address in 2000h-201Fh also clears the IDs (DS39589B
// 2.5.1.3); 87/88: in 2000h-2008h (DS39607B 3.5.1.3).
constexpr uint32_t ChipEraseIdWindow87XA = 0x2020;
constexpr uint32_t ChipEraseIdWindow8788 = 0x2009;
// 62XA: configuration bit CPD (0 = data memory protected).
constexpr uint32_t Cpd62XA = 0x0100;

} // namespace

int Pic16Target::Normalise(int code) const {
    if (CalibratedFlash()) {
        return NormaliseFlash(code);
    }
    switch (profile_.variant) {
    case Pic16Variant::F84A: // DS30262E: top two bits don't care but for its begin commands
        return code == BeginEraseProgram || code == BeginProgramOnly ? code : code & LowFourBits;
    case Pic16Variant::F62XA: // DS41196G Table 2-3: Begin Programming is X01000
        return (code & LowFiveBits) == BeginEraseProgram ? BeginEraseProgram : code;
    case Pic16Variant::F7X: // DS30324B Table 2-2: bits 4-5 don't care
        return code & LowFourBits;
    case Pic16Variant::F87XA: // DS39589B, DS39607B figures: bit 5 don't care
    case Pic16Variant::F8788:
        return code & LowFiveBits;
    default:
        return code;
    }
}

// The command table of each document.
bool Pic16Target::Defines(int code) const {
    if (CalibratedFlash()) {
        return DefinesFlash(code);
    }
    const Pic16Variant v = profile_.variant;
    const bool eprom = v == Pic16Variant::Eprom;
    const bool f7x = v == Pic16Variant::F7X;
    const bool rows = v == Pic16Variant::F87XA || v == Pic16Variant::F8788;
    const bool setupErase = OlderFlash();
    switch (code) {
    case LoadConfiguration:
    case LoadDataProgram:
    case ReadDataProgram:
    case IncrementAddress:
    case BeginEraseProgram:
        return true;
    case LoadDataData:
    case ReadDataData:
        return !eprom && !f7x;
    case BeginProgramOnly:
        return setupErase || rows;
    case BulkEraseProgram:
        return !eprom && v != Pic16Variant::F87X;
    case BulkEraseData:
        return !eprom && !f7x && v != Pic16Variant::F87X;
    case BulkEraseSetup1:
    case BulkEraseSetup2:
        return setupErase;
    case EndProgramming:
        return eprom || f7x;
    case EndProgramming87XA:
    case ChipEraseCode:
        return rows;
    default:
        return false;
    }
}

void Pic16Target::OnCommand(int rawCode, int64_t now) {
    const int code = Normalise(rawCode);
    if (cycle_.active) {
        const bool ends = EndsCycle(code);
        // An externally timed write ended: the programming voltage discharges (TDIS).
        if (ends && cycle_.external && CalibratedFlash()) {
            dischargeFrom_ = now;
        }
        ResolveCycle(cycle_.interruptAt >= 0 ? cycle_.interruptAt : now, ends);
    }
    const int stageBefore = setupStage_;
    const bool armedBefore = bulkArmed_;
    setupStage_ = 0;
    bulkArmed_ = false;
    if (!Defines(code)) {
        violations_.Add(Rule::UnknownCommand, now);
        return;
    }
    if (code == BulkEraseSetup1) {
        setupStage_ = 1;
    } else if (code == BulkEraseSetup2 && stageBefore == 1) {
        setupStage_ = 2;
    } else if (code == BeginEraseProgram || code == BeginProgramOnly) {
        setupStage_ = stageBefore;
        bulkArmed_ = armedBefore;
    }
    Dispatch(code, now);
}

void Pic16Target::Dispatch(int code, int64_t now) {
    switch (code) {
    case LoadConfiguration:
        pc_ = ConfigBase;
        lastLoad_ = Latch::Program;
        phase_ = Phase::Load;
        break;
    case LoadDataProgram:
        lastLoad_ = Latch::Program;
        dataLoadSinceEntry_ = true;
        phase_ = Phase::Load;
        break;
    case LoadDataData:
        lastLoad_ = Latch::Data;
        dataLoadSinceEntry_ = true;
        phase_ = Phase::Load;
        break;
    case ReadDataProgram:
        readValue_ = ReadProgramAt(pc_);
        readDriven_ = true;
        phase_ = Phase::Read;
        break;
    case ReadDataData:
        readDriven_ = ReadDataAt(pc_, readValue_);
        phase_ = Phase::Read;
        break;
    case IncrementAddress:
        Increment();
        break;
    case BeginEraseProgram:
    case BeginProgramOnly:
        BeginCycle(code, now);
        break;
    case BulkEraseProgram:
    case BulkEraseData:
        if (CalibratedFlash()) {
            FlashBulkErase(code, now);
        } else {
            BulkErase(code, now);
        }
        break;
    case RowEraseProgram:
        FlashRowErase(now);
        break;
    case ChipEraseCode:
        ChipErase(now);
        break;
    case EndProgramming:
    case EndProgramming87XA:
        if (ExternalEnd()) {
            ResetLatches();
        }
        break;
    default:
        break; // Setup1/Setup2 and 001010: handled in OnCommand
    }
}

void Pic16Target::OnWordLoaded(uint32_t word) {
    if (lastLoad_ == Latch::Data) {
        dataLatch_ = word & 0xFF; // only the low 8 bits after the start bit count
    } else {
        const uint32_t slot = pc_ % profile_.rowWords;
        latch_[slot] = word & WordMask();
        loaded_[slot] = true;
        stale_[slot] = false;
        loadedAt_[slot] = ConfigAddress(pc_);
    }
    anyLoaded_ = true;
}

// User half wraps at 0x1FFF (62XA: at the end of implemented memory; 87/88: on into the
// configuration half, DS39607B 3.1); the configuration half wraps within itself, so only
// leaving programming mode returns to user memory.
void Pic16Target::Increment() {
    if (pc_ < UserEnd) {
        ++pc_;
        const bool endOfImplemented =
            profile_.variant == Pic16Variant::F62XA && pc_ >= profile_.programWords;
        if ((pc_ == UserEnd && profile_.variant != Pic16Variant::F8788) || endOfImplemented) {
            pc_ = 0;
        }
    } else if (++pc_ == AddressEnd) {
        pc_ = ConfigBase;
    }
}

// The F84A/62X/87X generation: erases through Setup1/Setup2, and refuses to bulk-erase a
// protected chip.
bool Pic16Target::OlderFlash() const {
    return profile_.variant == Pic16Variant::F84A || profile_.variant == Pic16Variant::F62X ||
           profile_.variant == Pic16Variant::F87X;
}

// The End Programming code of the part: 001010 on the flash documents' parts, else 001110
// or 010111 (each part's table admits only its own).
bool Pic16Target::EndsCycle(int code) const {
    if (CalibratedFlash()) {
        return code == EndProgrammingFlash;
    }
    return code == EndProgramming || code == EndProgramming87XA;
}

// Parts whose externally timed cycles End Programming finishes and whose latches it sets
// back to all ones (DS39589B 2.4.2.9, DS39607B 3.4.2.9; the 7X pair latches are taken to
// do the same, as its single-word sequence needs).
bool Pic16Target::ExternalEnd() const {
    const Pic16Variant v = profile_.variant;
    return v == Pic16Variant::F87XA || v == Pic16Variant::F8788 || v == Pic16Variant::F7X;
}

// 001001/001011. The 62XA's erase runs by itself for TERA; the 7X's 001001 is its chip
// erase; the others wait for a begin command (on the 87/88 ended by End Programming).
// With the address in configuration memory a program-memory erase takes the IDs too
// (DS30262E, DS30034D, DS41196G Table 3-1, DS39589B, DS39607B).
void Pic16Target::BulkErase(int code, int64_t now) {
    const Pic16Timing& t = profile_.timing;
    const Pic16Variant v = profile_.variant;
    const bool programMemory = code == BulkEraseProgram;
    if (v == Pic16Variant::F7X) {
        // DS30324B: erases program memory, then configuration memory, self-timed.
        Cycle erase;
        erase.erase = true;
        erase.scope = ScopeProgram | ScopeIds | ScopeConfig;
        erase.minNs = t.chipEraseNs;
        StartCycle(erase, now);
        return;
    }
    unsigned scope = programMemory ? unsigned{ScopeProgram} : unsigned{ScopeData};
    if (programMemory && pc_ >= ConfigBase) {
        scope |= ScopeIds;
    }
    if (v == Pic16Variant::F62XA) {
        // DS41196G Table 3-1: the configuration word always goes with program memory (CP
        // included), data memory too while CPD protects it.
        if (programMemory) {
            scope |= ScopeConfig;
            if ((config_[0] & Cpd62XA) == 0) {
                scope |= ScopeData;
            }
        }
        Cycle erase;
        erase.erase = true;
        erase.scope = scope;
        erase.minNs = t.bulkEraseNs;
        StartCycle(erase, now);
        return;
    }
    if (programMemory && CodeProtected()) {
        scope = 0; // protected program memory needs the code-protect disable or chip erase
    }
    bulkArmed_ = true;
    bulkScope_ = scope;
}

// 87XA/87-88 011111: program memory, data memory and configuration word(s), protection
// included; the IDs only with the address in the configuration half.
void Pic16Target::ChipErase(int64_t now) {
    const uint32_t idWindow =
        profile_.variant == Pic16Variant::F87XA ? ChipEraseIdWindow87XA : ChipEraseIdWindow8788;
    Cycle erase;
    erase.erase = true;
    erase.scope = ScopeProgram | ScopeData | ScopeConfig;
    if (pc_ >= ConfigBase && pc_ < idWindow) {
        erase.scope |= ScopeIds;
    }
    erase.minNs = profile_.timing.chipEraseNs;
    StartCycle(erase, now);
}

// Setup1, Setup2, 001000: with the address at the configuration word, everything, IDs and
// configuration included (the code-protect disable); on the 87X elsewhere, the memory of
// the last load, unless the chip is protected.
unsigned Pic16Target::SetupEraseScope() const {
    if (pc_ == ConfigBase + ConfigOffset) {
        return ScopeAll;
    }
    if (CodeProtected()) {
        return 0;
    }
    return lastLoad_ == Latch::Data ? ScopeData : ScopeProgram;
}

void Pic16Target::BeginCycle(int code, int64_t now) {
    const Pic16Timing& t = profile_.timing;
    const bool atConfigWord = pc_ == ConfigBase + ConfigOffset;
    const bool setupErase =
        setupStage_ == 2 && code == BeginEraseProgram &&
        (profile_.variant == Pic16Variant::F87X || (OlderFlash() && atConfigWord));
    setupStage_ = 0;
    if (profile_.variant == Pic16Variant::F8788 && code == BeginEraseProgram &&
        !dataLoadSinceEntry_) {
        // DS39607B 3.4.2.6: a Load Data must precede the first Begin Erase after entry.
        violations_.Add(Rule::BeginWithoutLoad, now);
    }
    if (setupErase || bulkArmed_) {
        Cycle erase;
        erase.erase = true;
        erase.scope = setupErase ? SetupEraseScope() : bulkScope_;
        erase.minNs = setupErase ? t.setupEraseNs : t.bulkEraseNs;
        erase.external = profile_.variant == Pic16Variant::F8788;
        bulkArmed_ = false;
        ForgetLoads();
        StartCycle(erase, now);
        return;
    }
    BeginWrite(code, now);
}

void Pic16Target::BeginWrite(int code, int64_t now) {
    if (CalibratedFlash()) {
        BeginFlashWrite(code, now);
        return;
    }
    const Pic16Timing& t = profile_.timing;
    const bool beginErase = code == BeginEraseProgram;
    Cycle w;
    w.toData = lastLoad_ == Latch::Data;
    w.pc = pc_;
    w.replace = w.toData; // a data-memory write erases its byte first
    switch (profile_.variant) {
    case Pic16Variant::Eprom:
        w.external = true;
        w.pulse = true;
        w.minNs = t.pulseNs;
        break;
    case Pic16Variant::F7X:
        w.external = true;
        w.minNs = t.pulseNs;
        break;
    case Pic16Variant::F62XA: // programming only, data memory included
        w.replace = false;
        w.minNs = w.toData ? t.dataWriteNs : t.programOnlyNs;
        break;
    case Pic16Variant::F87XA:
        if (beginErase) {
            w.replace = true; // the row is erased, then programmed
            w.minNs = w.toData ? t.dataWriteNs : t.eraseProgramNs;
            if (!w.toData) {
                CheckRowLoaded(pc_, now);
            }
        } else {
            w.external = true;
            w.minNs = t.pulseNs;
        }
        break;
    case Pic16Variant::F8788:
        if (beginErase && w.toData) {
            w.minNs = t.dataWriteNs;
        } else if (beginErase) {
            w.erase = true; // Begin Erase: the row of the address, or the IDs
            w.rowErase = true;
            w.external = true;
            w.minNs = t.rowEraseNs;
        } else {
            w.external = true;
            w.minNs = t.pulseNs;
        }
        break;
    default: // F84A, 62X, 87X
        if (beginErase) {
            w.replace = true;
            w.minNs = w.toData ? t.dataWriteNs : t.eraseProgramNs;
        } else {
            w.minNs = w.toData ? t.dataWriteNs : t.programOnlyNs;
        }
        break;
    }
    // A programming cycle needs a load since the last cycle; the 87/88 row erase does not
    // (its own rule is checked in BeginCycle).
    if (!w.rowErase && !anyLoaded_) {
        violations_.Add(Rule::BeginWithoutLoad, now);
    }
    ForgetLoads();
    StartCycle(w, now);
}

void Pic16Target::StartCycle(const Cycle& cycle, int64_t now) {
    cycle_ = cycle;
    cycle_.active = true;
    cycle_.start = now;
    cycle_.interruptAt = -1;
}

// A cycle ends at the first clock of the next command (or when programming mode is left).
// Cut short, a write does not take and an erase clears only the part it reached.
void Pic16Target::ResolveCycle(int64_t end, bool byEndCommand) {
    const Cycle c = cycle_;
    cycle_.active = false;
    Conclude(c, end, byEndCommand);
    if (c.flash) {
        SettleLatches(c);
    }
}

void Pic16Target::Conclude(const Cycle& c, int64_t end, bool byEndCommand) {
    const int64_t elapsed = end - c.start;
    if (c.external && !byEndCommand) {
        violations_.Add(Rule::MissingEnd, end);
        return;
    }
    if (elapsed < c.minNs) {
        violations_.Add(c.erase ? Rule::EraseTime : Rule::ProgramTime, end);
        if (c.erase && !c.rowErase) {
            ErasePart(c.scope, static_cast<double>(elapsed) / static_cast<double>(c.minNs));
        }
    } else if (c.rowErase) {
        EraseRow(c.pc);
    } else if (c.erase) {
        ErasePart(c.scope, 1.0);
    } else {
        ApplyWrite(c);
    }
}

void Pic16Target::ApplyWrite(const Cycle& c) {
    if (c.flash) {
        ApplyFlashWrite(c);
        return;
    }
    if (c.toData) {
        WriteDataByte(c.pc, c.replace);
        return;
    }
    if (c.pulse) {
        if (c.pc == ConfigBase + ConfigOffset) {
            ++configPulses_;
        }
        if (++pulses_[c.pc] < pulsesToTake_) {
            return; // the EPROM cell needs more pulses before it reads back
        }
    }
    WriteRow(c.pc, c.replace);
}

} // namespace Sim
