#include "simulator/Pic16Target.h"

namespace Sim {

namespace {
// Codes of DS41191D Tbl 2-1, DS41204G Tbl 3-1 and DS41287C Tbl 3-1 (bits 5..0).
constexpr int LoadConfiguration = 0x00;
constexpr int LoadDataProgram = 0x02;
constexpr int LoadDataData = 0x03;
constexpr int ReadDataProgram = 0x04;
constexpr int ReadDataData = 0x05;
constexpr int IncrementAddress = 0x06;
constexpr int BeginInternal = 0x08;
constexpr int BulkEraseProgram = 0x09;
constexpr int EndProgramming = 0x0A;
constexpr int BulkEraseData = 0x0B;
constexpr int RowErase = 0x11;
constexpr int BeginExternal = 0x18;

constexpr int LowFourBits = 0x0F;
// Begin, End and Row Erase decode more than bits 3..0: bits 5-4 on DS41191D, bit 4 on
// DS41204G and DS41287C (their bit 5 is don't-care).
constexpr int Ds41191Decoded = 0x3F;
constexpr int Ds41204Decoded = 0x1F;
} // namespace

bool Pic16Target::CalibratedFlash() const {
    const Pic16Variant v = profile_.variant;
    return v == Pic16Variant::F629 || v == Pic16Variant::F690 || v == Pic16Variant::F88X;
}

// The Begin, End and Row Erase codes keep the bits their document fixes; every other
// command is "xx" in bits 5-4. A code outside the table comes out as one DefinesFlash
// rejects.
int Pic16Target::NormaliseFlash(int code) const {
    const int low = code & LowFourBits;
    const bool decodesHigh = low == (BeginInternal & LowFourBits) ||
                             low == (EndProgramming & LowFourBits) ||
                             low == (RowErase & LowFourBits);
    if (!decodesHigh) {
        return low;
    }
    return code & (profile_.variant == Pic16Variant::F629 ? Ds41191Decoded : Ds41204Decoded);
}

bool Pic16Target::DefinesFlash(int code) const {
    switch (code) {
    case LoadConfiguration:
    case LoadDataProgram:
    case LoadDataData:
    case ReadDataProgram:
    case ReadDataData:
    case IncrementAddress:
    case BeginInternal:
    case BeginExternal:
    case EndProgramming:
    case BulkEraseProgram:
    case BulkEraseData:
        return true;
    case RowErase:
        return profile_.variant != Pic16Variant::F629;
    default:
        return false;
    }
}

// 001000 is internally timed (TPROG1, no End Programming), 011000 externally timed (TPROG2,
// then 001010). Program words, IDs, configuration and calibration words are programmed
// without an erase: bits only go from 1 to 0 (DS41204G §3.1.5.7-8, DS41287C §3.2.6.7-8).
// DS41191D does not say whether 001000 erases a program word first and its flows
// bulk-erase before writing; the stricter reading, no erase, is taken. A data byte is
// erased first by the internally timed cycle of DS41191D (§2.3.1.7) and DS41287C
// (§3.2.6.7), never on DS41204G nor by an externally timed cycle. Externally timed data
// writes have no TPROG2 of their own: the data TPROG1 is taken as their shortest pulse.
void Pic16Target::BeginFlashWrite(int code, int64_t now) {
    const Pic16Timing& t = profile_.timing;
    Cycle w;
    w.flash = true;
    w.pc = pc_;
    w.toData = lastLoad_ == Latch::Data;
    w.external = code == BeginExternal;
    if (w.toData) {
        w.replace = !w.external && profile_.variant != Pic16Variant::F690;
        w.minNs = t.dataWriteNs;
    } else {
        w.minNs = w.external ? t.pulseNs : t.programOnlyNs;
    }
    if (!anyLoaded_) {
        violations_.Add(Rule::BeginWithoutLoad, now);
    }
    if (!w.toData) {
        CheckStaleLatches(pc_, now);
        MarkStaleLatches(pc_);
    }
    ForgetLoads();
    StartCycle(w, now);
}

} // namespace Sim
