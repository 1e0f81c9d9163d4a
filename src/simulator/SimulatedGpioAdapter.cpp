#include "simulator/SimulatedGpioAdapter.h"

namespace Sim {

namespace {

// The simulated chip is the header chip the GPIO port finds by itself.
GpioPinMap OnSimulatedChip(GpioPinMap map) {
    map.chip.clear();
    return map;
}

} // namespace

SimulatedGpioAdapter::SimulatedGpioAdapter(const Delay& delay, std::unique_ptr<Target> target,
                                           GpioPinMap map)
    : adapter_(delay, std::move(target)) {
    map = OnSimulatedChip(std::move(map));
    GpioWiring board;
    GpioAccess access;
    if (const int fd = OpenGpioChip(chip_, map, board, access); fd >= 0) {
        chip_.Close(fd);
        chip_.Connect(adapter_, board);
    }
    gpio_ = std::make_unique<GpioPort>(chip_, map);
}

GpioAccess SimulatedGpioAdapter::Probe(GpioPinMap map) {
    SimulatedGpioChip chip;
    return ProbeGpio(chip, OnSimulatedChip(std::move(map)));
}

} // namespace Sim
