#include "cli/AdapterSession.h"
#include "cli/CliLanguage.h"
#include "cli/Commands.h"
#include "cli/Detect.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "cli/RememberedDevice.h"
#include "cli/TerminalHost.h"
#include "cli/TerminalMessages.h"
#include "cli/Workbench.h"
#include "common/HexText.h"
#include "devices/DeviceFile.h"
#include "image/HexFiles.h"
#include "operations/OperationEngine.h"
#include "parts/PartModule.h"
#include "programmer/GpioAccess.h"
#include "programmer/GpioPinMap.h"
#include "simulator/ChipFile.h"

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

const ChipCommand* FindChipCommand(const std::string& name) {
    for (const ChipCommand& c : kChipCommands) {
        if (name == c.name) {
            return &c;
        }
    }
    return nullptr;
}

// Runs the command on the chip; true when everything it ran completed.
bool RunOnChip(const ChipCommand& command, const CliOptions& o, Programmer& programmer,
               Workbench& bench, TerminalMessages& messages, ProgressLine& progress) {
    TerminalHost host(progress, messages, bench.image, o.scope, o.force);
    OperationEngine engine(programmer, bench.device, bench.image, bench.config16, bench.config18,
                           host);
    engine.SetCalibration(o.osccal.value_or(-1), o.bandGap.value_or(-1));
    const int shown = messages.Shown();
    const bool completed = (engine.*command.run)();
    if (!completed && messages.Shown() == shown) {
        // The window ends some refusals silently; a script needs to be told.
        messages.Note(Say("ChipCommands", "%1: no se ha completado").Arg(o.command));
    }
    return completed;
}

// Before anything reaches the chip: the input of write and verify can be read, and the
// output of read can be created, so that a finished read is never lost to its file.
bool FilesUsable(const CliOptions& o, TerminalMessages& messages) {
    const bool reads = o.command == "write" || o.command == "verify";
    const bool creates = o.command == "read";
    if ((!reads && !creates) || o.files[0] == kStandardStream) {
        return true;
    }
    const std::string& file = o.files[0];
    if (reads && !HexReadFailure(file).empty()) {
        messages.ShowError(UnreadableHexMessage(file));
        return false;
    }
    if (creates && !HexCreateFailure(file).empty()) {
        messages.ShowError(UncreatableMessage(file));
        return false;
    }
    return true;
}

// The image a command starts from: the HEX file of write and verify with the identifier
// option applied; for a blank check, the whole device. Returns an exit status.
int PrepareImage(const CliOptions& o, Workbench& bench, TerminalMessages& messages) {
    if ((o.osccal || o.bandGap) && !MakePart(bench.device)->KeepsCalibration()) {
        messages.Note(Say("ChipCommands", "--osccal y --bg solo sirven para los dispositivos que "
                                          "guardan su calibración en 03FFh (PIC12F629/675, "
                                          "PIC16F630/676)"));
        return ExitStatus::Usage;
    }
    if (o.command == "blank") {
        // The engine checks as far as the image reaches. In the window that is the file
        // or the read last loaded; here there is neither, and a check of nothing would
        // call any chip blank.
        bench.image.ProgUsed = bench.device.ProgMem;
        bench.image.EEPromUsed = bench.device.EEProm;
        return ExitStatus::Ok;
    }
    if (o.command == "write" || o.command == "verify") {
        if (!LoadHex(bench, o.files[0], messages)) {
            return ExitStatus::Failed;
        }
        if (o.ident && !ApplyIdent(bench, *o.ident, messages)) {
            return ExitStatus::Usage;
        }
    }
    return ExitStatus::Ok;
}

void PrintDetection(const Detection& d) {
    std::printf("ID=%s\n", Hex(d.id, 4).c_str());
    for (const DeviceMatch& m : d.devices) {
        std::printf(
            "%s\n",
            Said(
                Say("ChipCommands", "%1 (revisión %2)").Arg(m.name).Arg(std::to_string(m.revision)))
                .c_str());
    }
    std::fflush(stdout);
}

// Tells why a detection names no single device; the exit status it ends with.
int DetectionFailure(const Detection& d, TerminalMessages& messages) {
    if (!d.answered) {
        messages.ShowError(NoChipMessage(d.id));
        return ExitStatus::Failed;
    }
    if (d.devices.empty()) {
        messages.Note(Say("ChipCommands", "ningún dispositivo del fichero tiene el ID %1 (los OTP "
                                          "no tienen ID: indique --device)")
                          .Arg(Hex(d.id, 4)));
        return ExitStatus::Failed;
    }
    std::string names;
    for (const DeviceMatch& m : d.devices) {
        names += (names.empty() ? "" : ", ") + m.name;
    }
    messages.Note(
        Say("ChipCommands", "varios dispositivos del fichero tienen el ID %1: %2; indique --device")
            .Arg(Hex(d.id, 4))
            .Arg(names));
    return ExitStatus::Usage;
}

// Reads the chip's device ID with the protocol of the selected device's family and names
// the devices of the device file that have it.
int DetectWithDevice(const CliOptions& o, const DeviceList& list, Programmer& programmer,
                     Workbench& bench, TerminalMessages& messages, ProgressLine& progress) {
    TerminalHost host(progress, messages, bench.image, o.scope, o.force);
    OperationEngine engine(programmer, bench.device, bench.image, bench.config16, bench.config18,
                           host);
    Detection d;
    d.family = bench.device.Family;
    d.id = engine.ReadDeviceId();
    d.answered = !NoChipAnswered(d.id, d.family);
    if (d.answered) {
        d.devices = DevicesWithId(list, IniFile::Load(bench.iniPath), d.family, d.id);
    }
    PrintDetection(d);
    return d.answered && !d.devices.empty() ? ExitStatus::Ok : DetectionFailure(d, messages);
}

// Without a device: the family 16 protocol, then the family 18 one. The detect command
// prints what it found; the other commands select the one device named and go on.
int DetectAndSelect(const CliOptions& o, const DeviceList& list, Programmer& programmer,
                    Workbench& bench, TerminalMessages& messages, ProgressLine& progress) {
    TerminalHost host(progress, messages, bench.image, o.scope, o.force);
    const std::string iniPath = bench.iniPath;
    const Detection d = DetectChip(list, IniFile::Load(iniPath), programmer, bench, host);
    if (o.command == "detect") {
        PrintDetection(d);
    }
    if (!d.answered || d.devices.size() != 1) {
        return DetectionFailure(d, messages);
    }
    if (o.command == "detect") {
        return ExitStatus::Ok;
    }
    const DeviceMatch& only = d.devices.front();
    messages.Note(Say("ChipCommands", "detectado %1 (ID=%2)").Arg(only.name).Arg(Hex(d.id, 4)));
    return SelectInto(bench, only.name, iniPath, messages) ? ExitStatus::Ok : ExitStatus::Failed;
}

// Opens the adapter of the command line or the device file and runs `run` on it. The
// simulated chip is kept in its file when the command completed or failed on the chip,
// and left as it was when Ctrl-C interrupted it. Like the window, anything but
// "simulator" and "gpio" means the real port.
int RunOnAdapter(const CliOptions& o, const DeviceList& list, Workbench& bench,
                 TerminalMessages& messages, bool detect,
                 const std::function<int(Programmer&)>& run) {
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
        messages.Note(Say("ChipCommands", "--chip y --empty-socket necesitan el adaptador "
                                          "simulator (o gpio con gpiochip=simulator)"));
        return ExitStatus::Usage;
    }
    AdapterSession adapter(bench.device, messages);
    Workbench socket;
    if (simulatedChip && detect) {
        // The chip the chip file holds, else a fresh one of the window's last device.
        const IniFile ini = IniFile::Load(bench.iniPath);
        std::string name = o.chipPath.empty() ? "" : Sim::ChipFileDevice(o.chipPath, list, ini);
        name = name.empty() ? FindDevice(list, RememberedDevice()) : name;
        if (name.empty() || !SelectInto(socket, name, bench.iniPath, messages)) {
            messages.Note(Say("ChipCommands", "con el simulador hay que decir qué chip está en el "
                                              "zócalo: indique --device, o --chip con un fichero "
                                              "de chip ya escrito"));
            return ExitStatus::Usage;
        }
    }
    const DeviceRecord* socketDevice = detect ? &socket.device : nullptr;
    bool opened = false;
    if (kind == "simulator") {
        opened = adapter.OpenSimulator(o.chipPath, o.emptySocket, socketDevice);
    } else if (kind == "gpio") {
        opened = adapter.OpenGpio(pinMap, o.chipPath, o.emptySocket, socketDevice);
    } else {
        opened = adapter.OpenParallelPort(list.portBase);
    }
    if (!opened) {
        return ExitStatus::Failed;
    }
    const int status = run(adapter.Get());
    if (status != ExitStatus::Ok && InterruptRequested()) {
        return ExitStatus::Failed;
    }
    return adapter.SaveChip() ? status : ExitStatus::Failed;
}

} // namespace

int RunChipCommand(const CliOptions& o, const DeviceList& list, Workbench& bench,
                   TerminalMessages& messages, ProgressLine& progress, bool detect) {
    const ChipCommand* command = FindChipCommand(o.command);
    if (command == nullptr && o.command != "detect") {
        messages.Note(Say("CliOptions", "orden desconocida '%1'").Arg(o.command));
        return ExitStatus::Usage;
    }
    if (!FilesUsable(o, messages)) {
        return ExitStatus::Failed;
    }
    if (!detect) {
        const int prepared = PrepareImage(o, bench, messages);
        if (prepared != ExitStatus::Ok) {
            return prepared;
        }
    }
    const int status = RunOnAdapter(o, list, bench, messages, detect, [&](Programmer& p) {
        if (o.command == "detect") {
            return detect ? DetectAndSelect(o, list, p, bench, messages, progress)
                          : DetectWithDevice(o, list, p, bench, messages, progress);
        }
        if (detect) {
            int found = DetectAndSelect(o, list, p, bench, messages, progress);
            found = found == ExitStatus::Ok ? PrepareImage(o, bench, messages) : found;
            if (found != ExitStatus::Ok) {
                return found;
            }
        }
        return RunOnChip(*command, o, p, bench, messages, progress) ? int{ExitStatus::Ok}
                                                                    : int{ExitStatus::Failed};
    });
    if (status == ExitStatus::Ok && o.command == "read" && !SaveHex(bench, o.files[0], messages)) {
        return ExitStatus::Failed;
    }
    return status;
}
