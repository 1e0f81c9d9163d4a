#include "cli/AdapterSession.h"

#include "cli/TerminalMessages.h"
#include "programmer/CounterDelay.h"
#include "programmer/ParallelPort.h"
#include "simulator/ChipFile.h"
#include "simulator/MakeTarget.h"

#include <filesystem>

bool AdapterSession::OpenSimulator(const std::string& chipPath, bool emptySocket,
                                   const DeviceRecord* socket) {
    const DeviceRecord& model = socket != nullptr ? *socket : device_;
    std::unique_ptr<Sim::Target> chip = Sim::MakeTarget(model);
    if (!chip) {
        messages_.Note("no hay chip simulado para " + model.DeviceName);
        return false;
    }
    if (!chipPath.empty() && !chipLock_.Acquire(chipPath, messages_)) {
        return false;
    }
    std::error_code ec;
    if (!chipPath.empty() && std::filesystem::exists(chipPath, ec)) {
        std::string error;
        if (!Sim::LoadChip(*chip, chipPath, error)) {
            messages_.Note("fichero de chip " + chipPath + ": " + error);
            return false;
        }
    }
    chipPath_ = chipPath;
    simulatedPort_ = std::make_unique<Sim::SimulatedPort>(virtualDelay_, std::move(chip));
    simulatedPort_->SetChipPresent(!emptySocket);
    programmer_ = std::make_unique<Programmer>(*simulatedPort_, virtualDelay_, device_, messages_);
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

bool AdapterSession::SaveChip() {
    if (chipPath_.empty() || !simulatedPort_ || simulatedPort_->Chip() == nullptr) {
        return true;
    }
    std::string error;
    if (!Sim::SaveChip(*simulatedPort_->Chip(), chipPath_, error)) {
        messages_.Note("fichero de chip " + chipPath_ + ": " + error);
        return false;
    }
    return true;
}
