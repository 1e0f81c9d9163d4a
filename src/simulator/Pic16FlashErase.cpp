#include "simulator/Pic16Target.h"

#include <cmath>

namespace Sim {

namespace {
constexpr int BulkEraseData = 0x0B;
constexpr uint32_t Calibration2008 = 0x2008;
constexpr uint32_t Calibration2009 = 0x2009;
} // namespace

// Self-timed for TERA: no Load before, no Begin after (DS41191D §2.3.1.9-10, DS41204G
// §3.1.5.10-11, DS41287C §3.2.6.10-11). They work on a protected chip. Bulk Erase Data
// Memory does nothing while CPD protects the data memory, but the chip is still taken to be
// busy for TERA.
void Pic16Target::FlashBulkErase(int code, int64_t now) {
    Cycle erase;
    erase.erase = true;
    erase.minNs = profile_.timing.bulkEraseNs;
    if (code == BulkEraseData) {
        erase.scope = DataProtected() ? 0U : unsigned{ScopeData};
    } else {
        erase.scope = BulkEraseReach();
    }
    StartCycle(erase, now);
}

// What Bulk Erase Program Memory clears, by the address counter (DS41191D §2.3.1.9,
// DS41204G §3.1.4, DS41287C §3.2.5):
// - always program memory (on DS41191D with OSCCAL at 03FFh) and the configuration word(s)
//   (on DS41191D with the band-gap bits). DS41191D does not say whether the rest of 2007h
//   goes with the band-gap bits from user memory; it is taken to, as one flash word and as
//   its sibling documents erase 2007h from user memory;
// - the data memory while CPD protects it;
// - from the configuration half the IDs; from 2008h the calibration word there (DS41204G);
//   from 2009h the calibration words at 2008h and 2009h. The documents state no other
//   configuration address: every other one is taken as 2000h (the IDs go; the calibration
//   words "do not participate ... unless PC = 2008h / 2009h", DS41204G Reg. 4-5/4-6 footnotes,
//   DS41287C Reg. 4-3 note 1). The address is taken after the configuration half's repeat,
//   so an alias of 2008h or 2009h erases as they do.
unsigned Pic16Target::BulkEraseReach() const {
    unsigned scope = ScopeProgram | ScopeConfig;
    if (DataProtected()) {
        scope |= ScopeData;
    }
    if (pc_ >= ConfigBase) {
        scope |= ScopeIds;
        const uint32_t address = ConfigAddress(pc_);
        if (address == Calibration2008) {
            scope |= ScopeCal2008;
        } else if (address == Calibration2009) {
            scope |= ScopeCal2008 | ScopeCal2009;
        }
    }
    return scope;
}

// Row Erase (DS41204G §3.1.5.12, DS41287C §3.2.6.12): self-timed, TERA as the bulk
// erases. Ignored under CP and with the address in configuration memory (printed
// "> 0x2000"; 2000h itself is configuration memory and is taken to be ignored as well).
void Pic16Target::FlashRowErase(int64_t now) {
    if (CodeProtected() || pc_ >= ConfigBase) {
        return;
    }
    Cycle erase;
    erase.erase = true;
    erase.rowErase = true;
    erase.pc = pc_;
    erase.minNs = profile_.timing.bulkEraseNs;
    StartCycle(erase, now);
}

// The calibration words an erase reaches; cut short, as the other areas, only its share.
void Pic16Target::EraseCalibration(unsigned scope, double fraction) {
    std::vector<size_t> reached;
    for (size_t i = 0; i < calibration_.size(); ++i) {
        const uint32_t address = calibrationFacts_[i].address;
        if ((address == Calibration2008 && (scope & ScopeCal2008) != 0) ||
            (address == Calibration2009 && (scope & ScopeCal2009) != 0)) {
            reached.push_back(i);
        }
    }
    const auto cleared = static_cast<size_t>(std::floor(fraction * reached.size()));
    for (size_t k = 0; k < cleared && k < reached.size(); ++k) {
        calibration_[reached[k]] = WordMask();
    }
}

} // namespace Sim
