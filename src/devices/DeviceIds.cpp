#include "devices/DeviceIds.h"

namespace {
constexpr int32_t kRevisionBits = 0x1F;
} // namespace

std::vector<DeviceMatch> DevicesWithId(const DeviceList& list, const IniFile& ini, int32_t family,
                                       int32_t id) {
    std::vector<DeviceMatch> matches;
    for (const DeviceEntry& entry : list.devices) {
        const DeviceSection section = ReadDeviceSection(ini, entry.name);
        if (section.family != family) {
            continue;
        }
        const DeviceRecord& r = section.record;
        if (r.DeviceId >= 0 && (id & r.DeviceIdMask) == r.DeviceId) {
            matches.push_back({entry.name, id & ~r.DeviceIdMask & kRevisionBits});
        }
    }
    return matches;
}
