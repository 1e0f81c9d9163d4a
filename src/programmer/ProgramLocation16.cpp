#include "programmer/Pic16Part.h"
#include "programmer/Programmer.h"

#include <string>

namespace {
const std::string KindFlash = "Flash";
const std::string KindFlash1 = "Flash1";
const std::string KindFlash2 = "Flash2";
const std::string KindOtp = "OTP";
const char* const NoKindMessage = "No se especifica el tipo de Flash!!";

// EPROM words are pulsed until they read back, at most this many times, then given
// 3 x N + 1 more pulses (N = pulses it took) so that they hold (DS30228K Fig. 2-2).
constexpr int32_t OtpMaxPulses = 25;
constexpr int32_t OtpOverprogramFactor = 3;
// DS30228K Fig. 2-3: the configuration word gets 100 pulses of 100 us, not the loop above.
constexpr int32_t OtpConfigPulses = 100;
constexpr int32_t OtpConfigPulseMicros = 100;
} // namespace

void Programmer::ProgramLocation16(int32_t value) {
    const std::string& kind = device_.Programming;
    const auto word = static_cast<uint32_t>(value);
    const uint32_t waitMs = WaitsOf(Pic16PartOf(device_)).wordWriteMs;
    if (kind == KindFlash) {
        IcspCommand16(Cmd16::LoadDataProgram, word);
        IcspCommand16(Cmd16::BeginEraseProgram);
        delay_.SleepMs(waitMs);
    } else if (kind == KindFlash1) {
        IcspCommand16(Cmd16::LoadDataProgram, word);
        IcspCommand16(Cmd16::BeginEraseProgram);
        delay_.SleepMs(waitMs);
        IcspCommand16(Cmd16::EndProgramming);
    } else if (kind == KindFlash2) {
        IcspCommand16(Cmd16::LoadDataProgram, word);
        IcspCommand16(Cmd16::BeginProgramOnly);
        delay_.SleepMs(waitMs);
        IcspCommand16(Cmd16::EndProgramming2);
    } else if (kind == KindOtp) {
        ProgramOtp(value);
    } else {
        messages_.ShowMessage(NoKindMessage);
    }
}

void Programmer::ProgramConfigWord(int32_t value) {
    const Pic16Part part = Pic16PartOf(device_);
    const auto word = static_cast<uint32_t>(value);
    const uint32_t waitMs = WaitsOf(part).configWriteMs;
    switch (part) {
    case Pic16Part::Eprom:
        for (int32_t i = 0; i < OtpConfigPulses; ++i) {
            IcspCommand16(Cmd16::LoadDataProgram, word);
            IcspCommand16(Cmd16::BeginEraseProgram);
            delay_.WaitMicros(OtpConfigPulseMicros);
            IcspCommand16(Cmd16::EndProgramming);
        }
        break;
    case Pic16Part::F87XA:
        // Erased and programmed by the internally timed cycle, alone at 2007h.
        IcspCommand16(Cmd16::LoadDataProgram, word);
        IcspCommand16(Cmd16::BeginEraseProgram);
        delay_.SleepMs(waitMs);
        break;
    case Pic16Part::F8788:
        // Its bits take 0 or 1 from a program-only cycle; 001000 would be Begin Erase.
        IcspCommand16(Cmd16::LoadDataProgram, word);
        IcspCommand16(Cmd16::BeginProgramOnly);
        delay_.SleepMs(waitMs);
        IcspCommand16(Cmd16::EndProgramming2);
        break;
    default:
        ProgramLocation16(value);
        break;
    }
}

void Programmer::PulseOtp(int32_t value) {
    IcspCommand16(Cmd16::LoadDataProgram, static_cast<uint32_t>(value));
    IcspCommand16(Cmd16::BeginEraseProgram);
    delay_.SleepMs(WaitsOf(Pic16Part::Eprom).wordWriteMs);
    IcspCommand16(Cmd16::EndProgramming);
}
// A word that never reads back gets no more than OtpMaxPulses and no message: the
// caller's read-back reports the location.
void Programmer::ProgramOtp(int32_t value) {
    for (int32_t pulses = 1; pulses <= OtpMaxPulses; ++pulses) {
        PulseOtp(value);
        if (IcspCommand16(Cmd16::ReadDataProgram) == value) {
            const int32_t extra = OtpOverprogramFactor * pulses + 1;
            for (int32_t i = 0; i < extra; ++i) {
                PulseOtp(value);
            }
            return;
        }
    }
}
