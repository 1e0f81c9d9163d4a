#include "simulator/Pic16Target.h"

namespace Sim {

namespace {
// Configuration word bits shared by DS41191D Reg. 3-1, DS41204G Reg. 4-1/4-2 and DS41287C
// Reg. 4-1.
constexpr uint32_t FoscBits = 0x0007;
constexpr uint32_t FoscIntoscIo = 0x0004;     // 100: INTOSC, I/O on both oscillator pins
constexpr uint32_t FoscIntoscClkout = 0x0005; // 101: INTOSC, CLKOUT on one of them
constexpr uint32_t Mclre = 0x0020;
} // namespace

// The configuration half repeats every profile_.configPeriod words (DS41191D Fig. 2-1,
// DS41204G Fig. 2-1 to 2-7, DS41287C Fig. 2-1 to 2-3).
uint32_t Pic16Target::ConfigAddress(uint32_t pc) const {
    if (pc < ConfigBase || profile_.configPeriod == 0) {
        return pc;
    }
    return ConfigBase + (pc - ConfigBase) % profile_.configPeriod;
}

int Pic16Target::CalibrationIndexAt(uint32_t address) const {
    for (size_t i = 0; i < calibrationFacts_.size(); ++i) {
        if (calibrationFacts_[i].address == address) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

uint32_t Pic16Target::CalibrationAddress(uint32_t index) const {
    return index < calibrationFacts_.size() ? calibrationFacts_[index].address : 0;
}

// IDs, device ID and configuration words read whatever the protection (DS41191D §4.0,
// DS41204G §5.0, DS41287C §5.0). Whether the calibration words read under CP is not
// stated; the stricter reading is taken: they read 0, like the program memory, so a
// programmer cannot save them from a protected chip before an erase that loses them.
uint32_t Pic16Target::ReadFlashConfigHalf(uint32_t pc) const {
    const uint32_t address = ConfigAddress(pc);
    const uint32_t offset = address - ConfigBase;
    if (offset < IdWords) {
        return Peek(Space::Id, offset);
    }
    if (offset == DeviceIdOffset) {
        return Peek(Space::DeviceId, 0);
    }
    if (offset >= ConfigOffset && offset < ConfigOffset + profile_.configWords) {
        return Peek(Space::Config, offset - ConfigOffset);
    }
    const int calibration = CalibrationIndexAt(address);
    if (calibration >= 0) {
        return CodeProtected() ? 0 : Peek(Space::Calibration, static_cast<uint32_t>(calibration));
    }
    return WordMask(); // reserved and unimplemented words
}

// One word, programmed without an erase; the device ID and reserved words take nothing.
void Pic16Target::WriteFlashConfigHalf(uint32_t pc, uint32_t value) {
    const uint32_t address = ConfigAddress(pc);
    const int calibration = CalibrationIndexAt(address);
    if (calibration < 0) {
        WriteWord(address, value, false);
        return;
    }
    const auto index = static_cast<uint32_t>(calibration);
    if (!NeverTakes(Space::Calibration, index)) {
        calibration_[index] &= value;
    }
}

bool Pic16Target::DataProtected() const {
    const uint32_t mask = profile_.dataProtectMask;
    return mask != 0 && !config_.empty() && (config_[0] & mask) == 0;
}

// DS41204G §3.0 and DS41287C §3.0: with the internal oscillator and MCLR disabled
// (FOSC2:0 = 100 or 101, MCLRE = 0) only VPP-first entry keeps the chip from running its
// code; VDD first, it runs instead of entering. DS41191D documents VPP-first entry alone
// and does not discuss this case: its parts are taken to behave the same way (and enter
// VDD-first otherwise). DS41287C's low-voltage entry (LVP, RB3/PGM) is outside the
// simulated adapter, which has no PGM line: high-voltage entry only.
bool Pic16Target::RunsItsCode() const {
    if (!CalibratedFlash() || config_.empty()) {
        return false;
    }
    const uint32_t fosc = config_[0] & FoscBits;
    const bool intosc = fosc == FoscIntoscIo || fosc == FoscIntoscClkout;
    return intosc && (config_[0] & Mclre) == 0;
}

// Factory calibration of a fresh simulated chip (values in FlashParts.cpp): the calibration
// words, and on DS41191D the OSCCAL RETLW at 03FFh and the band-gap bits of 2007h.
void Pic16Target::RestoreFactoryCalibration() {
    for (size_t i = 0; i < calibration_.size(); ++i) {
        calibration_[i] = calibrationFacts_[i].factory;
    }
    if (osccalFactory_ != 0 && OsccalAddress < program_.size()) {
        program_[OsccalAddress] = osccalFactory_;
    }
    if (profile_.variant == Pic16Variant::F629 && !config_.empty()) {
        config_[0] = (config_[0] & ~BandGapBits) | bandGapFactory_;
    }
}

} // namespace Sim
