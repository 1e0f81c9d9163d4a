#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
constexpr int32_t kWord16 = 0x3FFF;
constexpr int32_t kWord18 = 0xFFFF;
constexpr int32_t kRevisionBits = 0x1F;
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
    // EPROM parts keep no device ID: their 2006h is reserved and reads as blank.
    if (!Part().HasDeviceId()) {
        return true;
    }
    const int32_t id = ReadDeviceId();
    lastDeviceId_ = id;
    host_.RefreshStatus();
    if (NoChipAnswered(id, device_.Family) || id == BlankWord()) {
        host_.Msg().ShowError(NoChipMessage(id));
        return false;
    }
    if (device_.DeviceId < 0 || (id & device_.DeviceIdMask) == device_.DeviceId) {
        return true;
    }
    const std::string question = "El dispositivo conectado no parece un " + device_.DeviceName +
                                 " (ID " + Hex(id & device_.DeviceIdMask, 4) + ", revisión " +
                                 std::to_string(id & ~device_.DeviceIdMask & kRevisionBits) +
                                 "). ¿Desea continuar?";
    return host_.AskGoOnWithOtherChip(question);
}
