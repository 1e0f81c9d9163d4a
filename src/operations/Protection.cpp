#include "common/HexText.h"
#include "operations/OperationEngine.h"

// A code-protected chip reads its program memory as zeros, which a read would save as the
// program and a verify would report as a wrong word. After either, the configuration the
// chip holds tells whether protection is why; the user is told so, and how to clear it.

namespace {
constexpr int kStepsToConfigWord = 7;       // 2000h to 2007h
constexpr int32_t kErasedWord = 0x3FFF;     // loaded by Load Configuration, never programmed
constexpr uint32_t kConfig5L18 = 0x300008;  // CP3:CP0 in bits 3-0, CPB in bit 6 of CONFIG5H
constexpr uint32_t kProtectBits18 = 0x400F; // CONFIG5H:CONFIG5L
constexpr size_t kConfig5Word = 4;          // EditConf5
} // namespace

bool OperationEngine::ProtectionOn(int64_t configWord) const {
    if (device_.Family == 18) {
        const uint32_t implemented =
            device_.ConfigMasks.size() > kConfig5Word ? device_.ConfigMasks[kConfig5Word] : 0xFFFF;
        const uint32_t mask = implemented & kProtectBits18;
        return (static_cast<uint32_t>(configWord) & mask) != mask;
    }
    const uint32_t mask = device_.ProtectMask16;
    return mask != 0 && (static_cast<uint32_t>(configWord) & mask) != mask;
}

int64_t OperationEngine::ReadProtectionWord() {
    p_.EnterProgMode();
    int64_t word = 0;
    if (device_.Family == 18) {
        p_.LoadTablePointer(kConfig5L18);
        const int32_t low = Cmd18(Cmd18::TableReadPostInc);
        const int32_t high = Cmd18(Cmd18::TableReadPostInc);
        word = high << 8 | low;
    } else {
        // Load Configuration and seven increments: 2007h. The loaded word is not programmed.
        Cmd16(Cmd16::LoadConfiguration, kErasedWord);
        for (int i = 0; i < kStepsToConfigWord; ++i) {
            Cmd16(Cmd16::IncrementAddress);
        }
        word = Cmd16(Cmd16::ReadDataProgram);
    }
    p_.ExitProgMode();
    return word;
}

void OperationEngine::ReportProtection(bool configJustRead) {
    if (!Part().Erasable() || !Selected().program) {
        return;
    }
    // A read of the configuration in the same command left the chip's word in the models.
    int64_t word = 0;
    if (configJustRead) {
        word = device_.Family == 18 ? ParseCell(config18_.EditConf[kConfig5Word])
                                    : config16_.GetConfigWord();
    } else {
        word = ReadProtectionWord();
    }
    if (!ProtectionOn(word)) {
        return;
    }
    const Phrase where = device_.Family == 18 ? Say("operations", "CONFIG5 %1")
                                              : Say("operations", "palabra de configuración %1");
    host_.Msg().ShowInfo(Say("operations", "El PIC tiene la protección de código activada (%1): su "
                                           "memoria de programa se lee como ceros. %2 lo borra "
                                           "entero y quita la protección; después se puede "
                                           "escribir.")
                             .Arg(where.Arg(Hex(word, 4)))
                             .Arg(host_.UnprotectCommand()));
}
