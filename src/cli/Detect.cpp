#include "cli/Detect.h"

#include "cli/Workbench.h"
#include "operations/OperationEngine.h"

namespace {

constexpr int32_t kFamilies[] = {16, 18};

// Enough of a device for the command layers of a family to read its device ID.
DeviceRecord BareRecord(int32_t family) {
    DeviceRecord r;
    r.DeviceName = "?";
    r.Family = family;
    r.ProgBits = family == 16 ? DeviceDefaults::ProgBits : 16;
    r.WBufSize = DeviceDefaults::WBufSize;
    return r;
}

} // namespace

Detection DetectChip(const DeviceList& list, const IniFile& ini, Programmer& programmer,
                     Workbench& bench, OperationHost& host) {
    Detection found;
    for (const int32_t family : kFamilies) {
        bench.device = BareRecord(family);
        OperationEngine engine(programmer, bench.device, bench.image, bench.config16,
                               bench.config18, host);
        const int32_t id = engine.ReadDeviceId();
        if (NoChipAnswered(id, family)) {
            if (!found.answered) {
                found.family = family;
                found.id = id;
            }
            continue;
        }
        found = Detection{family, id, true, DevicesWithId(list, ini, family, id)};
        if (!found.devices.empty()) {
            break;
        }
    }
    return found;
}
