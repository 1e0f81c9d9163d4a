#include "common/HexText.h"
#include "parts/Documents.h"
#include "parts/SelfTimed16.h"
#include "programmer/Programmer.h"

namespace {

// DS41191D, PIC12F629/675, PIC16F630/676 (Tbl 5-1): one word per cycle, 001000 internally
// timed (TPROG1 2.5 ms max program, 6 ms max data; §2.3.1.7); bulk erases self-timed (TERA
// 8 ms max). The factory calibration lives where every program bulk erase takes it: OSCCAL,
// a RETLW at the last program word 03FFh, and the band-gap bits BG1:BG0 of the configuration
// word (Reg. 3-1 note 2). They are read before anything is erased and written back after, as
// the document's flows do (Fig. 2-14, 2-17, §4.1); a value that is no RETLW is reported and
// never written back.
constexpr SelfTimed16::Timing kTiming = {
    8000,   // TERA
    2500,   // TPROG1, program memory
    false,  // internally timed words
    0,      // no End Programming after them
    6000,   // TPROG1, data memory
    0x0180, // CPD (bit 8), CP (bit 7)
};
constexpr int32_t kOsccalAddress = 0x3FF;
constexpr int32_t kBandGapShift = 12;
constexpr int32_t kBandGapBits = 0x3000;
constexpr int32_t kRetlwMask = 0x3C00; // 11 01xx xxxx xxxx (§2.3.1.9 note 2)
constexpr int32_t kRetlw = 0x3400;

bool IsRetlw(int32_t word) {
    return (word & kRetlwMask) == kRetlw;
}

class Ds41191 : public SelfTimed16 {
public:
    explicit Ds41191(const DeviceRecord& device) : SelfTimed16(device, kTiming) {}
    std::string Document() const override { return "DS41191D"; }
    bool KeepsCalibration() const override { return true; }

    void LearnChip(Programmer& p) override {
        p.EnterProgMode();
        for (int32_t a = 0; a < kOsccalAddress; ++a) {
            p.IcspCommand16(Cmd16::IncrementAddress);
        }
        osccal_ = p.IcspCommand16(Cmd16::ReadDataProgram);
        ConfigurationStep(p, kErasedWord, kStepsToConfigWord);
        bandGap_ = (p.IcspCommand16(Cmd16::ReadDataProgram) & kBandGapBits) >> kBandGapShift;
        p.ExitProgMode();
        learned_ = true;
    }

    Phrase CalibrationQuestion() const override {
        if (!learned_ || osccalGiven_ >= 0 || IsRetlw(osccal_)) {
            return "";
        }
        return Say("parts", "El OSCCAL del %1 (03FFh) se lee como %2, que no es una instrucción "
                            "RETLW (34xxh): la calibración del oscilador parece perdida y no se "
                            "volverá a escribir. Si conoce el valor correcto, indíquelo como "
                            "calibración del oscilador antes de borrar. ¿Desea continuar?")
            .Arg(device_.DeviceName)
            .Arg(Hex(osccal_, 4));
    }

    std::optional<int32_t> CalibrationAt(int32_t address) const override {
        if (!learned_ || address != kOsccalAddress) {
            return std::nullopt;
        }
        return osccal_;
    }

    int32_t ConfigWordFor(size_t word, int32_t value) const override {
        if (!learned_ || word != 0) {
            return value;
        }
        return (value & ~kBandGapBits) | (bandGap_ << kBandGapShift);
    }

    void SetCalibration(int32_t osccal, int32_t bandGap) override {
        osccalGiven_ = osccal;
        bandGapGiven_ = bandGap;
    }

    std::string CalibrationText() const override {
        return learned_ ? "OSCCAL=" + Hex(osccal_, 4) + " BG=" + std::to_string(bandGap_) : "";
    }

    // The band-gap bits go back at once, also when the configuration is in scope: its
    // write comes later and may not run.
    void EraseProgram(Programmer& p, bool withIds, bool withConfig) override {
        SelfTimed16::EraseProgram(p, withIds, withConfig);
        if (withConfig) {
            WriteBandGap(p);
        }
    }

    // §4.1: both bulk erases at 2000h, a restart, then OSCCAL and BG back.
    void Unprotect(Programmer& p) override {
        p.IcspCommand16(Cmd16::LoadConfiguration, kErasedWord);
        BulkEraseHere(p, Cmd16::BulkEraseProgram);
        BulkEraseHere(p, Cmd16::BulkEraseData);
        p.EnterProgMode();
        AfterProgramErase(p);
        WriteBandGap(p);
    }

protected:
    // OSCCAL back at 03FFh: the user's value, or the chip's when it was a RETLW.
    void AfterProgramErase(Programmer& p) override {
        if (bandGapGiven_ >= 0) {
            bandGap_ = bandGapGiven_ & (kBandGapBits >> kBandGapShift);
        }
        const int32_t value = osccalGiven_ >= 0 ? osccalGiven_ : osccal_;
        if (osccalGiven_ < 0 && (!learned_ || !IsRetlw(osccal_))) {
            osccal_ = kErasedWord;
            return;
        }
        for (int32_t a = 0; a < kOsccalAddress; ++a) {
            p.IcspCommand16(Cmd16::IncrementAddress);
        }
        ProgramWord(p, value);
        osccal_ = value;
    }

private:
    void WriteBandGap(Programmer& p) {
        p.EnterProgMode();
        ConfigurationStep(p, 0, kStepsToConfigWord);
        ProgramConfigWord(p, ConfigWordFor(0, kErasedWord));
    }

    bool learned_ = false;
    int32_t osccal_ = kErasedWord;
    int32_t bandGap_ = 3;
    int32_t osccalGiven_ = -1;
    int32_t bandGapGiven_ = -1;
};

} // namespace

std::unique_ptr<PartModule> MakeDs41191(const DeviceRecord& device) {
    return std::make_unique<Ds41191>(device);
}
