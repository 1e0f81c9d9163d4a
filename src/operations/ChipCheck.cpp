#include "common/HexText.h"
#include "operations/OperationEngine.h"

namespace {
constexpr int kStepsToDeviceId = 6;               // 2000h to 2006h
constexpr uint32_t kDeviceIdAddress18 = 0x3FFFFE; // DEVID1, then DEVID2 at 3FFFFFh
constexpr int32_t kWord16 = 0x3FFF;
constexpr int32_t kWord18 = 0xFFFF;
constexpr int32_t kRevisionBits = 0x1F;
constexpr int32_t kErasedWord = 0x3FFF;
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
    p_.EnterProgMode();
    int32_t id = 0;
    if (device_.Family == 18) {
        p_.LoadTablePointer(kDeviceIdAddress18);
        const int32_t low = Cmd18(Cmd18::TableReadPostInc);
        const int32_t high = Cmd18(Cmd18::TableReadPostInc);
        id = high << 8 | low;
    } else {
        // The loaded word is not programmed: no programming command follows it.
        ConfigurationStep16(kErasedWord, kStepsToDeviceId);
        id = Cmd16(Cmd16::ReadDataProgram);
    }
    p_.ExitProgMode();
    return id;
}

bool OperationEngine::CheckChip() {
    // EPROM parts keep no device ID: their 2006h is reserved and reads as blank.
    if (Kind("OTP")) {
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
