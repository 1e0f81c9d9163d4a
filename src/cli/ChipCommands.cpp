#include "cli/AdapterSession.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalHost.h"
#include "cli/TerminalMessages.h"
#include "cli/Workbench.h"
#include "devices/DeviceFile.h"
#include "operations/OperationEngine.h"
#include "programmer/GpioAccess.h"
#include "programmer/GpioPinMap.h"

#include "common/HexText.h"

#include <array>
#include <cstdio>
#include <functional>

namespace {

// A chip command: the window's command it runs.
struct ChipCommand {
    const char* name;
    bool (OperationEngine::*run)();
};

constexpr std::array<ChipCommand, 6> kChipCommands = {{
    {"read", &OperationEngine::BotonLeerClick},
    {"write", &OperationEngine::BotonEscribirClick},
    {"verify", &OperationEngine::BotonVerificarClick},
    {"blank", &OperationEngine::BotonBlkChkClick},
    {"erase", &OperationEngine::BorrarPrograma1Click},
    {"unprotect", &OperationEngine::BotonDesprotegeClick},
}};

// Runs the command on the chip; true when everything it ran completed.
bool RunOnChip(const ChipCommand& command, const CliOptions& o, Programmer& programmer,
               Workbench& bench, TerminalMessages& messages, ProgressLine& progress) {
    TerminalHost host(progress, messages, bench.image, o.scope, o.force);
    OperationEngine engine(programmer, bench.device, bench.image, bench.config16, bench.config18,
                           host);
    const int shown = messages.Shown();
    const bool completed = (engine.*command.run)();
    if (!completed && messages.Shown() == shown) {
        // The window ends some refusals silently; a script needs to be told.
        messages.Note(o.command + ": no se ha completado");
    }
    return completed;
}

// The image a command starts from: the HEX file of write and verify with the identifier
// option applied; for a blank check, the whole device.
bool PrepareImage(const CliOptions& o, Workbench& bench, TerminalMessages& messages) {
    if (o.command == "blank") {
        // The engine checks as far as the image reaches. In the window that is the file
        // or the read last loaded; here there is neither, and a check of nothing would
        // call any chip blank.
        bench.image.ProgUsed = bench.device.ProgMem;
        bench.image.EEPromUsed = bench.device.EEProm;
        return true;
    }
    if (o.command == "write" || o.command == "verify") {
        if (!LoadHex(bench, o.files[0], messages)) {
            return false;
        }
        return !o.ident || ApplyIdent(bench, *o.ident, messages);
    }
    return true;
}

// Reads the chip's device ID and names the devices of the device file that have it.
bool Detect(const CliOptions& o, const DeviceList& list, Programmer& programmer, Workbench& bench,
            TerminalMessages& messages, ProgressLine& progress) {
    TerminalHost host(progress, messages, bench.image, o.scope, o.force);
    OperationEngine engine(programmer, bench.device, bench.image, bench.config16, bench.config18,
                           host);
    const int32_t id = engine.ReadDeviceId();
    std::printf("ID=%s\n", Hex(id, 4).c_str());
    if (NoChipAnswered(id, bench.device.Family)) {
        messages.ShowError(NoChipMessage(id));
        return false;
    }
    const IniFile ini = IniFile::Load(bench.iniPath);
    bool found = false;
    for (const DeviceEntry& entry : list.devices) {
        const int32_t family = FamilyOf(entry.name);
        const DeviceRecord r = ReadDeviceSection(ini, entry.name).record;
        const int32_t mask = r.DeviceIdMask;
        if (family == bench.device.Family && r.DeviceId >= 0 && (id & mask) == r.DeviceId) {
            std::printf("%s (revisión %d)\n", entry.name.c_str(), id & ~mask & 0x1F);
            found = true;
        }
    }
    if (!found) {
        messages.Note("ningún dispositivo del fichero tiene el ID " + Hex(id, 4));
    }
    return found;
}

// Opens the adapter of the command line or the device file, runs `run` on it and keeps
// the simulated chip. Like the window, anything but "simulator" and "gpio" means the real
// port.
int RunOnAdapter(const CliOptions& o, const DeviceList& list, Workbench& bench,
                 TerminalMessages& messages, const std::function<bool(Programmer&)>& run) {
    const std::string kind = o.adapter.empty() ? list.adapter : o.adapter;
    GpioPinMap pinMap;
    if (kind == "gpio") {
        // A wrong pin map stops the command before any line is requested.
        if (const GpioAccess fault = ReadGpioPinMap(list.gpioKeys, pinMap); !fault.Ok()) {
            messages.ShowError(GpioAccessMessage(fault));
            return ExitStatus::Failed;
        }
    }
    const bool simulatedChip = kind == "simulator" || (kind == "gpio" && pinMap.Simulated());
    if ((!o.chipPath.empty() || o.emptySocket) && !simulatedChip) {
        messages.Note("--chip y --empty-socket necesitan el adaptador simulator (o gpio con "
                      "gpiochip=simulator)");
        return ExitStatus::Usage;
    }
    AdapterSession adapter(bench.device, messages);
    bool opened = false;
    if (kind == "simulator") {
        opened = adapter.OpenSimulator(o.chipPath, o.emptySocket);
    } else if (kind == "gpio") {
        opened = adapter.OpenGpio(pinMap, o.chipPath, o.emptySocket);
    } else {
        opened = adapter.OpenParallelPort(list.portBase);
    }
    if (!opened) {
        return ExitStatus::Failed;
    }
    bool ok = run(adapter.Get());
    // The chip keeps whatever the command did to it, a half-finished write included.
    ok = adapter.SaveChip() && ok;
    return ok ? ExitStatus::Ok : ExitStatus::Failed;
}

} // namespace

int RunChipCommand(const CliOptions& o, const DeviceList& list, Workbench& bench,
                   TerminalMessages& messages, ProgressLine& progress) {
    if (o.command == "detect") {
        return RunOnAdapter(o, list, bench, messages, [&](Programmer& programmer) {
            return Detect(o, list, programmer, bench, messages, progress);
        });
    }
    const ChipCommand* command = nullptr;
    for (const ChipCommand& c : kChipCommands) {
        if (o.command == c.name) {
            command = &c;
        }
    }
    if (command == nullptr) {
        messages.Note("orden desconocida '" + o.command + "'");
        return ExitStatus::Usage;
    }
    if (!PrepareImage(o, bench, messages)) {
        return ExitStatus::Failed;
    }
    const int status = RunOnAdapter(o, list, bench, messages, [&](Programmer& programmer) {
        return RunOnChip(*command, o, programmer, bench, messages, progress);
    });
    if (status == ExitStatus::Ok && o.command == "read" && !SaveHex(bench, o.files[0], messages)) {
        return ExitStatus::Failed;
    }
    return status;
}
