#pragma once
#include "programmer/Delay.h"
#include "programmer/GpioAccess.h"
#include "programmer/GpioPinMap.h"
#include "programmer/GpioPort.h"
#include "programmer/Port.h"
#include "simulator/SimulatedGpioChip.h"
#include "simulator/SimulatedPort.h"
#include "simulator/Target.h"

#include <memory>

namespace Sim {

// The GPIO adapter with gpiochip=simulator: the GPIO port, exactly as on a Raspberry Pi,
// over a simulated header chip wired as the pin map says to the simulated adapter and a
// simulated chip. Pin maps, kernel requests and their faults can so be tried on any
// machine, and whatever the chip sees went through the GPIO lines.
class SimulatedGpioAdapter : public Port {
public:
    // target may be null: an adapter with nothing plugged in.
    SimulatedGpioAdapter(const Delay& delay, std::unique_ptr<Target> target, GpioPinMap map);

    bool IsOpen() const { return gpio_->IsOpen(); }
    const GpioAccess& Access() const { return gpio_->Access(); }
    SimulatedPort& Adapter() { return adapter_; }

    void WriteData(uint8_t value) override { gpio_->WriteData(value); }
    uint8_t ReadStatus() override { return gpio_->ReadStatus(); }

    // The pin map's faults on the simulated chip, with nothing requested.
    static GpioAccess Probe(GpioPinMap map);

private:
    SimulatedPort adapter_;
    SimulatedGpioChip chip_;
    std::unique_ptr<GpioPort> gpio_; // last: it gives its lines back while the rest exists
};

} // namespace Sim
