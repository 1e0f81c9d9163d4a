#pragma once
#include "cli/ChipFileLock.h"
#include "devices/DeviceRecord.h"
#include "programmer/GpioPinMap.h"
#include "programmer/Programmer.h"
#include "programmer/SteadyCounter.h"
#include "programmer/VirtualDelay.h"
#include "simulator/SimulatedPort.h"
#include "simulator/Target.h"

#include <cstdint>
#include <memory>
#include <string>

class TerminalMessages;

// The programmer over the chosen adapter, for one command.
// Simulator: a fresh chip for the selected device, or the one kept in the chip file,
// timed by a virtual clock so that whole-chip operations take milliseconds.
// Parallel port and GPIO lines: real waits on the steady clock. The port goes with the
// session, so its lines are given back when the command ends, however it ends.
class AdapterSession {
public:
    AdapterSession(const DeviceRecord& device, TerminalMessages& messages)
        : device_(device), messages_(messages) {}
    AdapterSession(const AdapterSession&) = delete;
    AdapterSession& operator=(const AdapterSession&) = delete;

    // chipPath may be empty: the chip then lives only for this run; otherwise the chip file
    // is locked for the command (another pravik-cli on it waits). emptySocket leaves the
    // socket empty: the data line floats and nothing answers. socket: the device whose
    // chip sits in the socket, when it is not the selected one (a command that detects
    // the device starts without one).
    bool OpenSimulator(const std::string& chipPath, bool emptySocket = false,
                       const DeviceRecord* socket = nullptr);
    // False, with the window's message, when the port cannot be reached at all (the
    // operations would otherwise read a floating port and report its ones as the chip),
    // or when another program is using it.
    bool OpenParallelPort(uint16_t portBase);
    // The GPIO adapter of the pin map: false, with the window's message, when the pin map
    // is wrong, the chip or a line cannot be had, or another program holds a line. With
    // gpiochip=simulator the lines drive the simulated chip, as OpenSimulator's.
    bool OpenGpio(const GpioPinMap& map, const std::string& chipPath, bool emptySocket,
                  const DeviceRecord* socket = nullptr);

    Programmer& Get() { return *programmer_; }

    // Writes the simulated chip back to its file; true when there is none to write.
    bool SaveChip();

private:
    // The simulated chip of the socket device (the selected one when null), from the chip
    // file when it exists; the chip file is locked for the command.
    std::unique_ptr<Sim::Target> SimulatedChip(const std::string& chipPath,
                                               const DeviceRecord* socket);

    const DeviceRecord& device_;
    TerminalMessages& messages_;
    VirtualDelay virtualDelay_;
    std::unique_ptr<Port> port_;                  // the simulated adapters
    Sim::SimulatedPort* simulatedPort_ = nullptr; // the simulated adapter in port_
    std::string chipPath_;
    ChipFileLock chipLock_;
    SteadyCounter counter_;
    std::unique_ptr<Programmer> programmer_;
};
