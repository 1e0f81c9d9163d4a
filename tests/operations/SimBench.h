#pragma once
// An operation engine driving a simulated chip through the real command layers, with
// virtual time, for end-to-end tests of every operation.
#include "config/ConfigWord16.h"
#include "config/ConfigWords18.h"
#include "image/MemoryImage.h"
#include "operations/OperationEngine.h"
#include "operations/RecordingHost.h"
#include "programmer/Programmer.h"
#include "programmer/VirtualDelay.h"
#include "simulator/MakeTarget.h"
#include "simulator/SimulatedPort.h"
#include "workbench/DeviceSelection.h"

#include <memory>
#include <string>

struct SimBench {
    DeviceRecord device;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    MemorySettingsStore settings;
    RecordingHost host;
    VirtualDelay delay;
    std::unique_ptr<Sim::SimulatedPort> port;
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

    Sim::Target& Chip() { return *port->Chip(); }
    std::vector<std::string> Messages() const { return host.messages.Texts(); }
    void ClearMessages() { host.messages.log.clear(); }
};
