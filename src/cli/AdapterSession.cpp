#include "cli/AdapterSession.h"

#include "cli/TerminalMessages.h"
#include "programmer/CounterDelay.h"
#include "programmer/GpioPort.h"
#include "programmer/ParallelPort.h"
#include "simulator/ChipFile.h"
#include "simulator/MakeTarget.h"
#include "simulator/SimulatedGpioAdapter.h"

#include <filesystem>

std::unique_ptr<Sim::Target> AdapterSession::SimulatedChip(const std::string& chipPath,
                                                           const DeviceRecord* socket) {
    const DeviceRecord& model = socket != nullptr ? *socket : device_;
    std::unique_ptr<Sim::Target> chip = Sim::MakeTarget(model);
    if (!chip) {
        messages_.Note(Say("AdapterSession", "no hay chip simulado para %1").Arg(model.DeviceName));
        return nullptr;
    }
    if (!chipPath.empty() && !chipLock_.Acquire(chipPath, messages_)) {
        return nullptr;
    }
    std::error_code ec;
    if (!chipPath.empty() && std::filesystem::exists(chipPath, ec)) {
        Phrase error;
        if (!Sim::LoadChip(*chip, chipPath, error)) {
            messages_.Note(
                Say("AdapterSession", "fichero de chip %1: %2").Arg(chipPath).Arg(error));
            return nullptr;
        }
    }
    chipPath_ = chipPath;
    return chip;
}

bool AdapterSession::OpenSimulator(const std::string& chipPath, bool emptySocket,
                                   const DeviceRecord* socket) {
    std::unique_ptr<Sim::Target> chip = SimulatedChip(chipPath, socket);
    if (!chip) {
        return false;
    }
    auto port = std::make_unique<Sim::SimulatedPort>(virtualDelay_, std::move(chip));
    port->SetChipPresent(!emptySocket);
    simulatedPort_ = port.get();
    port_ = std::move(port);
    programmer_ = std::make_unique<Programmer>(*port_, virtualDelay_, device_, messages_);
    return true;
}

bool AdapterSession::OpenParallelPort(uint16_t portBase) {
    OpenedPort opened = ::OpenParallelPort(portBase);
    if (!opened.access.Ok()) {
        messages_.ShowError(PortAccessMessage(opened.access));
        return false;
    }
    programmer_ = std::make_unique<Programmer>(
        std::move(opened.port), std::make_unique<CounterDelay>(counter_), device_, messages_);
    return true;
}

bool AdapterSession::OpenGpio(const GpioPinMap& map, const std::string& chipPath, bool emptySocket,
                              const DeviceRecord* socket) {
    if (!map.Simulated()) {
        auto port = std::make_unique<GpioPort>(HostGpioKernel(), map);
        if (!port->IsOpen()) {
            messages_.ShowError(GpioAccessMessage(port->Access()));
            return false;
        }
        programmer_ = std::make_unique<Programmer>(
            std::move(port), std::make_unique<CounterDelay>(counter_), device_, messages_);
        return true;
    }
    std::unique_ptr<Sim::Target> chip = SimulatedChip(chipPath, socket);
    if (!chip) {
        return false;
    }
    auto port = std::make_unique<Sim::SimulatedGpioAdapter>(virtualDelay_, std::move(chip), map);
    if (!port->IsOpen()) {
        messages_.ShowError(GpioAccessMessage(port->Access()));
        return false;
    }
    port->Adapter().SetChipPresent(!emptySocket);
    simulatedPort_ = &port->Adapter();
    port_ = std::move(port);
    programmer_ = std::make_unique<Programmer>(*port_, virtualDelay_, device_, messages_);
    return true;
}

bool AdapterSession::SaveChip() {
    if (chipPath_.empty() || simulatedPort_ == nullptr || simulatedPort_->Chip() == nullptr) {
        return true;
    }
    Phrase error;
    if (!Sim::SaveChip(*simulatedPort_->Chip(), chipPath_, error)) {
        messages_.Note(Say("AdapterSession", "fichero de chip %1: %2").Arg(chipPath_).Arg(error));
        return false;
    }
    return true;
}
