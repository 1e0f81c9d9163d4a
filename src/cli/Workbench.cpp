#include "cli/Workbench.h"

#include "common/Text.h"

#include "cli/TerminalMessages.h"
#include "common/SettingsStore.h"
#include "image/HexFiles.h"
#include "workbench/DeviceSelection.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

constexpr int32_t kBlankIdent = 0xFFFF;

} // namespace

std::string FindDevice(const DeviceList& list, const std::string& name) {
    for (const DeviceEntry& entry : list.devices) {
        if (EqualsIgnoringCase(entry.name, name)) {
            return entry.name;
        }
    }
    return "";
}

bool SelectInto(Workbench& bench, const std::string& name, const std::string& iniPath,
                TerminalMessages& messages) {
    // A script run must not change which device the window opens with next time, so the
    // selection remembers its choice in a store that is thrown away.
    MemorySettingsStore discarded;
    SelectionResult result = SelectDevice(
        name, iniPath,
        SelectionTargets{bench.device, bench.image, bench.config16, bench.config18, discarded});
    if (!result.accepted) {
        messages.ShowError(result.error);
        return false;
    }
    bench.iniPath = iniPath;
    bench.image.ProgUsed = 0;
    bench.image.EEPromUsed = 0;
    bench.image.SetIdent(kBlankIdent);
    return true;
}

bool LoadHex(Workbench& bench, const std::string& path, TerminalMessages& messages) {
    std::ifstream in;
    if (!OpenHexFile(path, in)) {
        messages.ShowError(kHexUnreadable);
        return false;
    }
    const int failuresBefore = messages.Failures();
    LoadHexImage(in, HexLoadTargets{
                         bench.device, bench.image, bench.config16, bench.config18, messages, {}});
    return messages.Failures() == failuresBefore;
}

bool CheckSavable(const Workbench& bench, TerminalMessages& messages) {
    if (bench.device.Family != 16) {
        messages.ShowError(kOnlyFamily16);
        return false;
    }
    return true;
}

bool SaveHex(Workbench& bench, const std::string& path, TerminalMessages& messages) {
    const std::string error =
        SaveHexImage(path, bench.device, bench.image, bench.config16.GetConfigWord());
    if (!error.empty()) {
        messages.ShowError(error);
        return false;
    }
    return true;
}
