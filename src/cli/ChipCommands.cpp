#include "cli/AdapterSession.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalHost.h"
#include "cli/TerminalMessages.h"
#include "cli/Workbench.h"
#include "devices/DeviceFile.h"
#include "operations/OperationEngine.h"

#include <array>

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
    TerminalHost host(progress, messages, bench.image, o.scope);
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
    if (o.command == "read") {
        // A family 18 read could not be saved: refuse before touching the chip.
        return CheckSavable(bench, messages);
    }
    if (o.command == "write" || o.command == "verify") {
        if (!LoadHex(bench, o.files[0], messages)) {
            return false;
        }
        if (o.ident) {
            bench.image.SetIdent(*o.ident);
        }
    }
    return true;
}

} // namespace

int RunChipCommand(const CliOptions& o, const DeviceList& list, Workbench& bench,
                   TerminalMessages& messages, ProgressLine& progress) {
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
    // Like the window, anything but "simulator" in the device file means the real port.
    const bool simulator = (o.adapter.empty() ? list.adapter : o.adapter) == "simulator";
    if (!o.chipPath.empty() && !simulator) {
        messages.Note("--chip necesita el adaptador simulator");
        return ExitStatus::Usage;
    }
    if (!PrepareImage(o, bench, messages)) {
        return ExitStatus::Failed;
    }
    AdapterSession adapter(bench.device, messages);
    if (!(simulator ? adapter.OpenSimulator(o.chipPath)
                    : adapter.OpenParallelPort(list.portBase))) {
        return ExitStatus::Failed;
    }
    bool ok = RunOnChip(*command, o, adapter.Get(), bench, messages, progress);
    // The chip keeps whatever the command did to it, a half-finished write included.
    ok = adapter.SaveChip() && ok;
    if (ok && o.command == "read") {
        ok = SaveHex(bench, o.files[0], messages);
    }
    return ok ? ExitStatus::Ok : ExitStatus::Failed;
}
