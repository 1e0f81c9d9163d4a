#include "programmer/GpioChip.h"
#include "programmer/GpioPort.h"
#include "simulator/MakeTarget.h"
#include "simulator/SimulatedGpioAdapter.h"
#include "ui/main/TLumbroForm.h"

bool TLumbroForm::SimulatedGpio() const {
    GpioPinMap map;
    return adapter_ == "gpio" && ReadGpioPinMap(gpioKeys_, map).Ok() && map.Simulated();
}

void TLumbroForm::CheckGpio() {
    GpioPinMap map;
    GpioAccess access = ReadGpioPinMap(gpioKeys_, map);
    if (access.Ok()) {
        access = map.Simulated() ? Sim::SimulatedGpioAdapter::Probe(map)
                                 : ProbeGpio(HostGpioKernel(), map);
    }
    if (!access.Ok()) {
        messages_.ShowError(GpioAccessMessage(access));
    }
}

bool TLumbroForm::GpioReady() {
    GpioPinMap map;
    GpioAccess access = ReadGpioPinMap(gpioKeys_, map);
    if (access.Ok() && map.Simulated()) {
        // Opened with the engine, on its clock.
        access = Sim::SimulatedGpioAdapter::Probe(map);
    } else if (access.Ok()) {
        auto port = std::make_unique<GpioPort>(HostGpioKernel(), map);
        access = port->Access();
        if (access.Ok()) {
            openedPort_ = std::move(port);
        }
    }
    if (!access.Ok()) {
        // Nothing is run with a wrong pin map or lines another program holds; the next
        // command tries again.
        messages_.ShowError(GpioAccessMessage(access));
        return false;
    }
    return true;
}

std::unique_ptr<Port> TLumbroForm::OpenGpioPort(Delay& delay) {
    if (openedPort_) {
        return std::move(openedPort_);
    }
    GpioPinMap map;
    ReadGpioPinMap(gpioKeys_, map);
    if (!map.Simulated()) {
        return std::make_unique<GpioPort>(HostGpioKernel(), map);
    }
    auto port = std::make_unique<Sim::SimulatedGpioAdapter>(
        delay, chipFile_.empty() ? Sim::MakeTarget(device_) : ChipOfChipFile(), map);
    simPort_ = &port->Adapter();
    simDevice_ = device_.DeviceName;
    return port;
}
