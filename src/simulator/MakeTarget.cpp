#include "simulator/MakeTarget.h"

#include "simulator/FlashParts.h"
#include "simulator/Pic16Target.h"
#include "simulator/Pic18Target.h"

namespace Sim {

namespace {
constexpr int32_t Family16 = 16;
constexpr int32_t Family18 = 18;
} // namespace

std::unique_ptr<Target> MakeTarget(const DeviceRecord& device) {
    // Sizes beyond any real device would only exhaust memory.
    if (device.ProgMem > DeviceDefaults::MaxMemory || device.EEProm > DeviceDefaults::MaxMemory) {
        return nullptr;
    }
    // The 12F629/675 and 12F635/683 are mid-range parts of the same documents as their
    // 16F siblings, whatever family their name gives.
    if (device.Family == Family16 || FindFlashPart(device.DeviceName) != nullptr) {
        return std::make_unique<Pic16Target>(device);
    }
    if (device.Family == Family18) {
        return std::make_unique<Pic18Target>(device);
    }
    return nullptr;
}

} // namespace Sim
