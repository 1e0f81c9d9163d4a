#pragma once
// An operation engine driving a simulated chip through the real command layers, with
// virtual time, for end-to-end tests of every operation.
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "image/MemoryImage.h"
#include "operations/OperationEngine.h"
#include "operations/RecordingHost.h"
#include "programmer/GpioPinMap.h"
#include "programmer/GpioPort.h"
#include "programmer/Programmer.h"
#include "programmer/VirtualDelay.h"
#include "simulator/MakeTarget.h"
#include "simulator/SimulatedGpioChip.h"
#include "simulator/SimulatedPort.h"
#include "workbench/DeviceSelection.h"

#include <memory>
#include <string>

// The documented wiring on a Raspberry Pi header, as the board is soldered: PGC on
// GPIO23, PGD on GPIO24 (read back on the same line), VPP on GPIO18, VDD on GPIO25.
inline GpioWiring DocumentedBoard() {
    GpioWiring board;
    board.lines[static_cast<size_t>(GpioSignal::Pgc)] = GpioLine{23, false};
    board.lines[static_cast<size_t>(GpioSignal::Pgd)] = GpioLine{24, false};
    board.lines[static_cast<size_t>(GpioSignal::Vpp)] = GpioLine{18, false};
    board.lines[static_cast<size_t>(GpioSignal::Vdd)] = GpioLine{25, false};
    return board;
}

struct SimBench {
    DeviceRecord device;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    MemorySettingsStore settings;
    RecordingHost host;
    VirtualDelay delay;
    std::unique_ptr<Sim::SimulatedPort> port;
    std::unique_ptr<Sim::SimulatedGpioChip> gpioChip;
    std::unique_ptr<GpioPort> gpioPort;
    std::unique_ptr<Programmer> programmer;
    std::unique_ptr<OperationEngine> engine;

    // Selects `name` from the shipped device file and puts an erased chip on the adapter.
    explicit SimBench(const std::string& name,
                      const std::string& ini = PRAVIK_SOURCE_DIR "/data/Pravik.ini") {
        SelectDevice(name, ini, SelectionTargets{device, image, config16, config18, settings});
        port = std::make_unique<Sim::SimulatedPort>(delay, Sim::MakeTarget(device));
        programmer = std::make_unique<Programmer>(*port, delay, device, host.messages);
        engine =
            std::make_unique<OperationEngine>(*programmer, device, image, config16, config18, host);
    }

    // Puts the GPIO adapter between the command layers and the simulated adapter: a
    // simulated header chip whose lines the board wires to the adapter as `board` says,
    // driven by the GPIO port as the pin map says. `front`, when given, is the kernel the
    // port talks to (one that passes the requests on to the header chip).
    void CarryOverGpio(const GpioWiring& board, const GpioPinMap& map,
                       GpioKernel* front = nullptr) {
        engine.reset();
        programmer.reset();
        gpioChip = std::make_unique<Sim::SimulatedGpioChip>();
        gpioChip->Connect(*port, board);
        gpioPort = std::make_unique<GpioPort>(front != nullptr ? *front : *gpioChip, map);
        programmer = std::make_unique<Programmer>(*gpioPort, delay, device, host.messages);
        engine =
            std::make_unique<OperationEngine>(*programmer, device, image, config16, config18, host);
    }

    Sim::Target& Chip() { return *port->Chip(); }
    std::vector<std::string> Messages() const { return host.messages.Texts(); }
    void ClearMessages() { host.messages.log.clear(); }
};
