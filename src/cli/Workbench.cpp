#include "cli/Workbench.h"

#include "common/HexText.h"
#include "common/Text.h"

#include "cli/TerminalMessages.h"
#include "common/SettingsStore.h"
#include "image/HexFiles.h"
#include "workbench/DeviceSelection.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>

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
    const int failuresBefore = messages.Failures();
    HexLoadTargets targets{bench.device, bench.image, bench.config16, bench.config18, messages, {}};
    if (path == kStandardStream) {
        LoadHexImage(std::cin, targets);
        return messages.Failures() == failuresBefore;
    }
    std::ifstream in;
    if (!OpenHexFile(path, in)) {
        messages.ShowError(UnreadableHexMessage(path));
        return false;
    }
    LoadHexImage(in, targets);
    return messages.Failures() == failuresBefore;
}

bool SaveHex(Workbench& bench, const std::string& path, TerminalMessages& messages) {
    Phrase error;
    if (path == kStandardStream) {
        if (!SaveHexImage(std::cout, bench.device, bench.image, bench.config16, bench.config18,
                          error)) {
            messages.ShowError(error);
            return false;
        }
        return true;
    }
    error = SaveHexImage(path, bench.device, bench.image, bench.config16, bench.config18);
    if (error.empty()) {
        return true;
    }
    // The writer's own text when the image does not convert; for a file that cannot be
    // made, which file and why.
    messages.ShowError(error == HexUncreatableMessage() ? UncreatableMessage(path) : error);
    return false;
}

Phrase UnreadableHexMessage(const std::string& path) {
    const Phrase why = HexReadFailure(path);
    return why.empty()
               ? Say("Workbench", "No se puede leer el fichero HEX '%1'.").Arg(path)
               : Say("Workbench", "No se puede leer el fichero HEX '%1': %2.").Arg(path).Arg(why);
}

Phrase UncreatableMessage(const std::string& path) {
    const Phrase why = HexCreateFailure(path);
    return why.empty()
               ? Say("Workbench", "No se puede crear el fichero '%1'.").Arg(path)
               : Say("Workbench", "No se puede crear el fichero '%1': %2.").Arg(path).Arg(why);
}

bool ApplyIdent(Workbench& bench, const std::string& digits, TerminalMessages& messages) {
    int64_t value = 0;
    if (bench.device.Family == 18) {
        for (size_t k = 0; k < digits.size(); k += 2) {
            std::string pair = digits.substr(k, 2);
            pair.resize(2, 'F'); // an odd last digit is the high half of an erased byte
            ParseHex(pair, value);
            bench.image.SetIdByte18(static_cast<int>(k / 2), static_cast<int32_t>(value));
        }
        return true;
    }
    if (digits.size() > 4 || !ParseHex(digits, value)) {
        messages.Note(
            Say("Workbench", "identificador '%1': de 1 a 4 dígitos en la familia 16").Arg(digits));
        return false;
    }
    bench.image.SetIdent(static_cast<int32_t>(value));
    return true;
}
