#include "simulator/Pic16Target.h"

namespace Sim {

namespace {
// Command codes, bits 5..0 as the programming specifications list them.
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
constexpr int BulkEraseData = 0x0B;
constexpr int EndProgramming = 0x0E;
constexpr int EndProgramming87XA = 0x17;
constexpr int BeginProgramOnly = 0x18;
constexpr int ChipErase = 0x1F;

// The F84A decodes only the low four bits, except for its two begin commands.
constexpr int F84ACommandMask = 0x0F;

// The address counter's wrap points.
constexpr uint32_t UserEnd = 0x2000;
// Bulk erase with the address in 0x2000-0x200F also clears the ID words.
constexpr uint32_t IdEraseWindowEnd = 0x2010;

bool IsEnd(int code) {
    return code == EndProgramming || code == EndProgramming87XA;
}
} // namespace

int Pic16Target::Normalise(int code) const {
    if (profile_.topCommandBitsIgnored && code != BeginEraseProgram && code != BeginProgramOnly) {
        return code & F84ACommandMask;
    }
    return code;
}

void Pic16Target::OnCommand(int rawCode, int64_t now) {
    const int code = Normalise(rawCode);
    if (cycle_.active && cycle_.bulkSelfTimed &&
        (code == BeginEraseProgram || code == BeginProgramOnly)) {
        // 62XA/7X: a begin command right after the self-timed bulk erase is taken as part
        // of it, as the F84A's bulk erase needs one; the erase runs on, timed from here.
        cycle_.bulkSelfTimed = false;
        cycle_.interruptAt = -1;
        cycle_.start = now;
        latchLoaded_ = false;
        return;
    }
    if (cycle_.active) {
        ResolveCycle(cycle_.interruptAt >= 0 ? cycle_.interruptAt : now, IsEnd(code));
    }
    const int stageBefore = setupStage_;
    const bool armedBefore = bulkArmed_;
    setupStage_ = 0;
    bulkArmed_ = false;
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
        phase_ = Phase::Load;
        break;
    case LoadDataData:
        lastLoad_ = Latch::Data;
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
    case BulkEraseData: {
        unsigned scope = code == BulkEraseData ? unsigned{ScopeData} : unsigned{ScopeProgram};
        if (code == BulkEraseProgram && pc_ >= ConfigBase && pc_ < IdEraseWindowEnd) {
            scope |= ScopeIds;
        }
        BulkErase(scope, now);
        break;
    }
    case ChipErase:
        if (profile_.variant == Pic16Variant::F87XA) {
            Cycle erase;
            erase.erase = true;
            erase.scope = ScopeAll;
            erase.minNs = profile_.timing.chipEraseNs;
            StartCycle(erase, now);
        } else {
            violations_.Add(Rule::UnknownCommand, now);
        }
        break;
    case BulkEraseSetup1:
    case BulkEraseSetup2:
    case EndProgramming:
    case EndProgramming87XA:
        break; // sequence state handled in OnCommand; an End with no pulse is harmless
    default:
        violations_.Add(Rule::UnknownCommand, now);
        break;
    }
}

void Pic16Target::OnWordLoaded(uint32_t word) {
    if (lastLoad_ == Latch::Data) {
        dataLatch_ = word & 0xFF; // only the low 8 bits after the start bit count
    } else {
        latch_[pc_ % profile_.rowWords] = word & WordMask();
        lastLoadPc_ = pc_;
    }
    latchLoaded_ = true;
}

// User half wraps at 0x1FFF (62XA: at the end of implemented memory); the configuration
// half wraps within itself, so only leaving programming mode returns to user memory.
void Pic16Target::Increment() {
    if (pc_ < UserEnd) {
        ++pc_;
        const bool endOfImplemented =
            profile_.variant == Pic16Variant::F62XA && pc_ >= profile_.programWords;
        if (pc_ == UserEnd || endOfImplemented) {
            pc_ = 0;
        }
    } else if (++pc_ == AddressEnd) {
        pc_ = ConfigBase;
    }
}

// Parts whose bulk erase waits for a begin-programming command, rather than running by
// itself from the bulk erase command.
bool Pic16Target::BulkNeedsBegin() const {
    switch (profile_.variant) {
    case Pic16Variant::F84A:
    case Pic16Variant::F62X:
    case Pic16Variant::F87X:
    case Pic16Variant::F87XA:
        return true;
    default:
        return false;
    }
}

// The F84A/62X/87X generation: erases through Setup1/Setup2, and refuses to erase a
// protected chip except with the address at the configuration word.
bool Pic16Target::OlderFlash() const {
    return profile_.variant == Pic16Variant::F84A || profile_.variant == Pic16Variant::F62X ||
           profile_.variant == Pic16Variant::F87X;
}

void Pic16Target::BulkErase(unsigned scope, int64_t now) {
    if (profile_.variant == Pic16Variant::Eprom) {
        return; // EPROM has no electrical erase
    }
    const bool configHalf = pc_ >= ConfigBase && pc_ < IdEraseWindowEnd;
    if ((scope & ScopeProgram) != 0 && configHalf && !BulkNeedsBegin()) {
        scope |= ScopeConfig; // 62XA/7X: the only way to lift protection
    }
    if (OlderFlash() && CodeProtected()) {
        scope = 0;
    }
    if (BulkNeedsBegin()) {
        bulkArmed_ = true;
        bulkScope_ = scope;
        return;
    }
    Cycle erase;
    erase.erase = true;
    erase.scope = scope;
    erase.minNs = profile_.timing.bulkEraseNs;
    erase.bulkSelfTimed = true;
    StartCycle(erase, now);
}

// Setup1, Setup2, 001000: erases one memory by the last load, or everything (IDs and
// configuration included, lifting protection) with the address at the configuration word.
unsigned Pic16Target::SetupEraseScope() const {
    if (pc_ == ConfigBase + ConfigOffset) {
        return ScopeAll;
    }
    if (OlderFlash() && CodeProtected()) {
        return 0;
    }
    return lastLoad_ == Latch::Data ? ScopeData : ScopeProgram;
}

void Pic16Target::BeginCycle(int code, int64_t now) {
    const bool setupErase = setupStage_ == 2 && code == BeginEraseProgram && OlderFlash();
    setupStage_ = 0;
    if (setupErase || bulkArmed_) {
        Cycle erase;
        erase.erase = true;
        erase.scope = setupErase ? SetupEraseScope() : bulkScope_;
        erase.minNs = profile_.timing.bulkEraseNs;
        bulkArmed_ = false;
        StartCycle(erase, now);
        return;
    }
    BeginWrite(code, now);
}

void Pic16Target::BeginWrite(int code, int64_t now) {
    const Pic16Timing& t = profile_.timing;
    if (!latchLoaded_) {
        violations_.Add(Rule::BeginWithoutLoad, now);
    }
    Cycle w;
    w.toData = lastLoad_ == Latch::Data;
    w.pc = pc_;
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
    case Pic16Variant::F87XA:
        w.external = code == BeginProgramOnly;
        w.minNs = w.external ? t.pulseNs : (w.toData ? t.dataWriteNs : t.programNs);
        break;
    case Pic16Variant::F62XA:
        w.minNs = w.toData ? t.dataWriteNs : t.programNs;
        break;
    default: // F84A, 62X, 87X
        w.replace = code == BeginEraseProgram;
        w.minNs = w.toData ? t.dataWriteNs : (w.replace ? t.programNs : t.programOnlyNs);
        break;
    }
    latchLoaded_ = false;
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
    const int64_t elapsed = end - c.start;
    if (c.external && !byEndCommand) {
        violations_.Add(Rule::MissingEnd, end);
        return;
    }
    if (elapsed < c.minNs) {
        violations_.Add(c.erase ? Rule::EraseTime : Rule::ProgramTime, end);
        if (c.erase) {
            ErasePart(c.scope, static_cast<double>(elapsed) / static_cast<double>(c.minNs));
        }
        return;
    }
    if (c.erase) {
        ErasePart(c.scope, 1.0);
    } else {
        ApplyWrite(c);
    }
}

void Pic16Target::ApplyWrite(const Cycle& c) {
    if (c.toData) {
        WriteDataByte(c.pc);
        return;
    }
    if (c.pulse && ++pulses_[c.pc] < pulsesToTake_) {
        return; // the EPROM cell needs more pulses before it reads back
    }
    WriteRow(c.pc, c.replace);
    if (profile_.rowWords > 1) {
        ResetLatches();
    }
}

} // namespace Sim
