#include "programmer/Programmer.h"

#include <string>

namespace {
const std::string KindFlash = "Flash";
const std::string KindFlash1 = "Flash1";
const std::string KindFlash2 = "Flash2";
const std::string KindOtp = "OTP";
const char* const NoKindMessage = "No se especifica el tipo de Flash!!";

// The PIC16F62x parts finish an erase/program cycle in 3 ms; other "Flash" parts may
// need up to 10 ms.
const std::string FastFlashFamily = "16F62";
constexpr uint32_t FastFlashWriteMs = 3;
constexpr uint32_t FlashWriteMs = 10;
constexpr uint32_t ProgramCycleMs = 2; // cycles ended by an End Programming command
constexpr uint32_t OtpPulseMs = 1;

// EPROM words are pulsed until they read back, at most this many times, then given
// 3 x N + 1 more pulses (N = pulses it took) so that they hold.
constexpr int32_t OtpMaxPulses = 25;
constexpr int32_t OtpOverprogramFactor = 3;
} // namespace

void Programmer::ProgramLocation16(int32_t value) {
    const std::string& kind = device_.Programming;
    const auto word = static_cast<uint32_t>(value);
    if (kind == KindFlash) {
        const bool fast = device_.DeviceName.find(FastFlashFamily) != std::string::npos;
        IcspCommand16(Cmd16::LoadDataProgram, word);
        IcspCommand16(Cmd16::BeginEraseProgram);
        delay_.SleepMs(fast ? FastFlashWriteMs : FlashWriteMs);
    } else if (kind == KindFlash1) {
        IcspCommand16(Cmd16::LoadDataProgram, word);
        IcspCommand16(Cmd16::BeginEraseProgram);
        delay_.SleepMs(ProgramCycleMs);
        IcspCommand16(Cmd16::EndProgramming);
    } else if (kind == KindFlash2) {
        IcspCommand16(Cmd16::LoadDataProgram, word);
        IcspCommand16(Cmd16::BeginProgramOnly);
        delay_.SleepMs(ProgramCycleMs);
        IcspCommand16(Cmd16::EndProgramming2);
    } else if (kind == KindOtp) {
        ProgramOtp(value);
    } else {
        messages_.ShowMessage(NoKindMessage);
    }
}

void Programmer::PulseOtp(int32_t value) {
    IcspCommand16(Cmd16::LoadDataProgram, static_cast<uint32_t>(value));
    IcspCommand16(Cmd16::BeginEraseProgram);
    delay_.SleepMs(OtpPulseMs);
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
