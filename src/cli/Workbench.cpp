#include "cli/Workbench.h"

#include "cli/TerminalMessages.h"
#include "common/SettingsStore.h"
#include "devices/DeviceSelection.h"
#include "image/HexReader.h"
#include "image/HexWriter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace {

constexpr int32_t kBlankIdent = 0xFFFF;

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string FindDevice(const DeviceList& list, const std::string& name) {
    for (const DeviceEntry& entry : list.devices) {
        if (SameIgnoringCase(entry.name, name)) {
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
    bench.image.ProgUsed = 0;
    bench.image.EEPromUsed = 0;
    bench.image.SetIdent(kBlankIdent);
    return true;
}

bool LoadHex(Workbench& bench, const std::string& path, TerminalMessages& messages) {
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ec)) {
        in.open(path, std::ios::binary);
    }
    if (!in.is_open()) {
        messages.ShowError("No se puede leer el fichero HEX.");
        return false;
    }
    bench.image.InitHexEditG(bench.device);
    bench.image.InitDatosEditG(bench.device);
    bench.image.SetIdent(kBlankIdent);
    const int failuresBefore = messages.Failures();
    ReadHexRecords(
        in,
        HexLoadTargets{bench.device, bench.image, bench.config16, bench.config18, messages, {}});
    return messages.Failures() == failuresBefore;
}

bool CheckSavable(const Workbench& bench, TerminalMessages& messages) {
    if (bench.device.Family != 16) {
        messages.ShowError("Opción disponible sólo para la familia 16.");
        return false;
    }
    return true;
}

bool SaveHex(Workbench& bench, const std::string& path, TerminalMessages& messages) {
    if (!CheckSavable(bench, messages)) {
        return false;
    }
    HexImage hex = BuildHexLines(bench.device, bench.image, bench.config16.GetConfigWord());
    if (!hex.error.empty()) {
        messages.ShowError(hex.error);
        return false;
    }
    if (!WriteHexFileAtomically(path, hex.lines)) {
        messages.ShowError("No se puede crear el fichero.");
        return false;
    }
    return true;
}
