#include "devices/DeviceIds.h"

namespace {
constexpr int32_t kRevisionBits = 0x1F;
} // namespace

std::vector<DeviceMatch> DevicesWithId(const DeviceList& list, const IniFile& ini, int32_t family,
                                       int32_t id) {
    std::vector<DeviceMatch> matches;
    for (const DeviceEntry& entry : list.devices) {
        if (FamilyOf(entry.name) != family) {
            continue;
        }
        const DeviceRecord r = ReadDeviceSection(ini, entry.name).record;
        if (r.DeviceId >= 0 && (id & r.DeviceIdMask) == r.DeviceId) {
            matches.push_back({entry.name, id & ~r.DeviceIdMask & kRevisionBits});
        }
    }
    return matches;
}
