#pragma once
#include "programmer/GpioAccess.h"
#include "programmer/GpioKernel.h"
#include "programmer/GpioPinMap.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// A line of the chip, and whether the adapter inverts the signal on it.
struct GpioLine {
    uint32_t offset = 0;
    bool inverted = false;
    bool operator==(const GpioLine&) const = default;
};

// The pin map resolved on one chip: each signal's line, or nothing where the adapter has
// none.
struct GpioWiring {
    std::string chip; // the chip's node
    std::string label;
    std::array<std::optional<GpioLine>, GpioSignalCount> lines;

    const std::optional<GpioLine>& operator[](GpioSignal s) const {
        return lines[static_cast<size_t>(s)];
    }
};

// Chip labels of the Raspberry Pi's 40-pin header: Pi 5, Pi 4, Pi 1 to 3 and Zero.
inline constexpr std::array<std::string_view, 3> HeaderChipLabels = {
    "pinctrl-rp1", "pinctrl-bcm2711", "pinctrl-bcm2835"};

// Finds and opens the pin map's chip (by node name, path or label; without one, the first
// chip with a header label, else gpiochip0), resolves every line (numbers in range, names
// the chip has, no line twice) and checks that no other program or driver holds one.
// Returns the open chip descriptor, or -1 with access saying why. Nothing is requested,
// so nothing is driven.
int OpenGpioChip(GpioKernel& kernel, const GpioPinMap& map, GpioWiring& wiring, GpioAccess& access);

// The same checks with the chip closed again: what keeps the program from the adapter's
// lines, before any command runs.
GpioAccess ProbeGpio(GpioKernel& kernel, const GpioPinMap& map);
