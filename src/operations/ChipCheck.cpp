#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
constexpr int32_t kWord16 = 0x3FFF;
constexpr int32_t kWord18 = 0xFFFF;
constexpr int32_t kRevisionBits = 0x1F;
// Volts as the user writes them: "12", "13,5".
std::string Volts(int32_t millivolts) {
    const int32_t tenths = (millivolts + 50) / 100;
    return std::to_string(tenths / 10) +
           (tenths % 10 != 0 ? "," + std::to_string(tenths % 10) : "");
}
} // namespace

bool NoChipAnswered(int32_t id, int32_t family) {
    return id == 0 || id == (family == 18 ? kWord18 : kWord16);
}

std::string NoChipMessage(int32_t id) {
    return "No responde ningún PIC (ID leído: " + Hex(id, 4) +
           "). Compruebe que el programador está conectado y alimentado y que el PIC está "
           "bien colocado en el zócalo.";
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
        host_.Msg().ShowError(NoChipMessage(id) + part.EntryAdvice());
        return false;
    }
    if (device_.DeviceId >= 0 && (id & device_.DeviceIdMask) != device_.DeviceId) {
        const std::string question = "El dispositivo conectado no parece un " + device_.DeviceName +
                                     " (ID " + Hex(id & device_.DeviceIdMask, 4) + ", revisión " +
                                     std::to_string(id & ~device_.DeviceIdMask & kRevisionBits) +
                                     "). ¿Desea continuar?";
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
    const std::string question = "El " + device_.DeviceName + " admite como máximo " + Volts(part) +
                                 " V en MCLR y el adaptador da " + Volts(adapter) +
                                 " V. ¿Desea continuar?";
    vppAgreed_ = host_.AskHighVpp(question);
    return vppAgreed_;
}

bool OperationEngine::CalibrationAgreed() {
    const std::string question = Part().CalibrationQuestion();
    return question.empty() || host_.Msg().AskYesNo(question);
}
