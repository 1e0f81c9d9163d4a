#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
constexpr int32_t kWord16 = 0x3FFF;
constexpr int32_t kWord18 = 0xFFFF;
constexpr int32_t kRevisionBits = 0x1F;
// Volts as the user writes them: "12", "13,5" (the decimal sign is the language's).
Phrase Volts(int32_t millivolts) {
    const int32_t tenths = (millivolts + 50) / 100;
    if (tenths % 10 == 0) {
        return std::to_string(tenths / 10);
    }
    //: Whole and tenths of a voltage: the decimal sign between them.
    return Say("operations", "%1,%2")
        .Arg(std::to_string(tenths / 10))
        .Arg(std::to_string(tenths % 10));
}
} // namespace

bool NoChipAnswered(int32_t id, int32_t family) {
    return id == 0 || id == (family == 18 ? kWord18 : kWord16);
}

Phrase NoChipMessage(int32_t id) {
    return Say("operations", "No responde ningún PIC (ID leído: %1). Compruebe que el programador "
                             "está conectado y alimentado y que el PIC está bien colocado en el "
                             "zócalo.")
        .Arg(Hex(id, 4));
}

int32_t OperationEngine::ReadDeviceId() {
    return Part().ReadDeviceId(p_);
}

bool OperationEngine::CheckChip() {
    if (!VppAgreed()) {
        return false;
    }
    PartModule& part = Part();
    // EPROM parts keep no device ID: their 2006h is reserved and reads as blank.
    if (!part.HasDeviceId()) {
        return true;
    }
    const int32_t id = ReadDeviceId();
    lastDeviceId_ = id;
    host_.RefreshStatus();
    if (NoChipAnswered(id, device_.Family) || id == BlankWord()) {
        const Phrase advice = part.EntryAdvice();
        host_.Msg().ShowError(advice.empty() ? NoChipMessage(id)
                                             : Phrase::Joined({NoChipMessage(id), " ", advice}));
        return false;
    }
    if (device_.DeviceId >= 0 && (id & device_.DeviceIdMask) != device_.DeviceId) {
        const Phrase question =
            Say("operations",
                "El dispositivo conectado no parece un %1 (ID %2, revisión %3). ¿Desea continuar?")
                .Arg(device_.DeviceName)
                .Arg(Hex(id & device_.DeviceIdMask, 4))
                .Arg(std::to_string(id & ~device_.DeviceIdMask & kRevisionBits));
        if (!host_.AskGoOnWithOtherChip(question)) {
            return false;
        }
    }
    // What the chip keeps of its own is read before anything is written or erased.
    part.LearnChip(p_);
    host_.RefreshStatus();
    return true;
}

bool OperationEngine::VppAgreed() {
    const int32_t adapter = device_.AdapterVppMillivolts;
    const int32_t part = device_.VppMaxMillivolts;
    if (vppAgreed_ || part <= 0 || adapter <= part) {
        return true;
    }
    const Phrase question =
        Say("operations",
            "El %1 admite como máximo %2 V en MCLR y el adaptador da %3 V. ¿Desea continuar?")
            .Arg(device_.DeviceName)
            .Arg(Volts(part))
            .Arg(Volts(adapter));
    vppAgreed_ = host_.AskHighVpp(question);
    return vppAgreed_;
}

bool OperationEngine::CalibrationAgreed() {
    const Phrase question = Part().CalibrationQuestion();
    return question.empty() || host_.Msg().AskYesNo(question);
}
