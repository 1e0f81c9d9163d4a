#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "cli/ProgressLine.h"
#include "cli/RememberedDevice.h"
#include "cli/TerminalMessages.h"
#include "cli/Workbench.h"
#include "common/Text.h"
#include "devices/DeviceFile.h"
#include "devices/DeviceFileLookup.h"
#include "devices/IniFile.h"

#include <fstream>
#include <unistd.h>

namespace {

int ListDevices(const DeviceList& list) {
    for (const DeviceEntry& entry : list.devices) {
        std::printf("%s\n", entry.name.c_str());
    }
    return ExitStatus::Ok;
}

// The device named on the command line or, failing that, the window's last choice, as
// written in the device file. Empty after a usage error has been reported.
std::string ChooseDevice(const CliOptions& o, const DeviceList& list, TerminalMessages& messages) {
    const std::string wanted = o.device.empty() ? RememberedDevice() : o.device;
    if (wanted.empty()) {
        messages.Note(Say("RunCli", "ningún dispositivo elegido: indique --device NOMBRE (véase la "
                                    "orden devices)"));
        return "";
    }
    const std::string name = FindDevice(list, wanted);
    if (name.empty()) {
        messages.ShowError(Say("RunCli", "Dispositivo desconocido: %1").Arg(wanted));
    }
    return name;
}

bool UsesChip(const std::string& command) {
    return command != "info" && command != "convert" && command != "devices";
}

// "-d auto", or no device on the commands that read the chip anyway: the chip's device ID
// chooses the device.
bool DetectsDevice(const CliOptions& o) {
    if (EqualsIgnoringCase(o.device, "auto")) {
        return true;
    }
    const bool readsChip = o.command == "detect" || o.command == "read" || o.command == "write" ||
                           o.command == "verify";
    return o.device.empty() && readsChip;
}

} // namespace

int RunCli(const CliOptions& o) {
    ProgressLine progress(stderr, !o.quiet && isatty(fileno(stderr)) != 0);
    TerminalMessages messages(stderr, progress, o.yes, o.ignore);
    // Ctrl-C from here to the exit: see Interrupt.h.
    CatchInterrupts();
    // The same places as the window. A missing device file would read as one without
    // devices; say which files were looked for instead.
    const DeviceFileLocation location = LocateDeviceFile(SystemDeviceFilePlaces(o.iniPath));
    const std::string iniPath = location.path;
    if (!location.Found() || !std::ifstream(iniPath).is_open()) {
        messages.ShowError(Say("RunCli", "Fichero de configuración %1 no encontrado. Vuelva a "
                                         "copiar este fichero o instale de nuevo el programa.")
                               .Arg(location.Shown()));
        return ExitStatus::Failed;
    }
    const DeviceList list = ReadDeviceList(IniFile::Load(iniPath));
    if (o.command == "devices") {
        return ListDevices(list);
    }
    Workbench bench;
    bench.iniPath = iniPath;
    if (DetectsDevice(o)) {
        if (!UsesChip(o.command)) {
            messages.Note(Say("RunCli", "-d auto solo sirve con las órdenes que usan el chip"));
            return ExitStatus::Usage;
        }
        return RunChipCommand(o, list, bench, messages, progress, true);
    }
    const std::string name = ChooseDevice(o, list, messages);
    if (name.empty()) {
        return ExitStatus::Usage;
    }
    if (!SelectInto(bench, name, iniPath, messages)) {
        return ExitStatus::Failed;
    }
    if (o.command == "info") {
        return RunInfo(bench);
    }
    if (o.command == "convert") {
        return RunConvert(o, bench, messages);
    }
    return RunChipCommand(o, list, bench, messages, progress, false);
}
