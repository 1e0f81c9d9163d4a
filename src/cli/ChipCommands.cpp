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

const char* const kCompleted = "Operación Completada.";
const char* const kInterrupted = "Acción interrumpida.";

// A chip command: the window's command it runs and the information text that says it
// completed (the commands themselves return nothing, as the window's buttons do).
struct ChipCommand {
    const char* name;
    void (OperationEngine::*run)();
    const char* doneText;
};

constexpr std::array<ChipCommand, 6> kChipCommands = {{
    {"read", &OperationEngine::BotonLeerClick, kCompleted},
    {"write", &OperationEngine::BotonEscribirClick, kCompleted},
    {"verify", &OperationEngine::BotonVerificarClick, kCompleted},
    {"blank", &OperationEngine::BotonBlkChkClick, kCompleted},
    {"erase", &OperationEngine::BorrarPrograma1Click, "Programa borrado."},
    {"unprotect", &OperationEngine::BotonDesprotegeClick,
     "PIC desprotegido y borrado completamente."},
}};

// Runs the command on the chip. It completed when its text was shown and nothing failed
// or was interrupted on the way: a write whose verify fails, or a one-time-programmable
// write after a failed blank check, shows an error even where a later step completes.
bool RunOnChip(const ChipCommand& command, const CliOptions& o, Programmer& programmer,
               Workbench& bench, TerminalMessages& messages, ProgressLine& progress) {
    TerminalHost host(progress, messages, bench.image, o.scope);
    OperationEngine engine(programmer, bench.device, bench.image, bench.config16, bench.config18,
                           host);
    const int failures = messages.Failures();
    const int shown = messages.Shown();
    const int done = messages.InfoCount(command.doneText);
    const int interrupted = messages.InfoCount(kInterrupted);
    (engine.*command.run)();
    const bool completed = messages.Failures() == failures &&
                           messages.InfoCount(kInterrupted) == interrupted &&
                           messages.InfoCount(command.doneText) > done;
    if (!completed && messages.Shown() == shown) {
        // The window ends some refusals silently; a script needs to be told.
        messages.Note(o.command + " did not complete");
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
        messages.Note("unknown command '" + o.command + "'");
        return ExitStatus::Usage;
    }
    // Like the window, anything but "simulator" in the device file means the real port.
    const bool simulator = (o.adapter.empty() ? list.adapter : o.adapter) == "simulator";
    if (!o.chipPath.empty() && !simulator) {
        messages.Note("--chip needs the simulator adapter");
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
