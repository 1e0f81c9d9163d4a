#pragma once
#include "programmer/GpioAccess.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The adapter's signals that a GPIO line can carry, in the order the lines are requested.
// The kernel applies a request's lines in that order, and the order matters: PGD is let
// go before the clock edge that comes with it, so the chip never drives against the
// header, and PGD and PGC are low before VPP reaches MCLR, as entry into programming mode
// requires.
enum class GpioSignal : size_t {
    Pgd,   // data out (LineData); an input while the data line is released (LineRelease)
    Pgc,   // clock (LineClock)
    Vpp,   // programming voltage on MCLR (LineProg)
    Vdd,   // the chip's supply: on in the pre-entry state and in programming mode
    Idle,  // the adapter at rest (LineIdle), for adapters that hold MCLR low there
    PgdIn, // data in from its own line; without it the data is read on PGD
};
inline constexpr size_t GpioSignalCount = 6;

// The [Config] key of each signal, and of the chip.
std::string_view GpioKey(GpioSignal signal);
inline constexpr std::string_view GpioChipKey = "gpiochip";
// The value of gpiochip that puts a simulated GPIO chip, adapter and PIC behind the pins.
inline constexpr std::string_view GpioSimulatedChip = "simulator";

// One line as the device file names it: by its number on the chip or by the kernel's
// name for it ("GPIO23"), with "!" in front when the adapter inverts the signal (an
// inverting transistor on VPP or VDD); or none, for a signal the adapter does not have.
struct GpioLineSpec {
    bool present = false;
    bool byName = false;
    uint32_t number = 0;
    std::string name;
    bool inverted = false;
    std::string text; // as written, for messages
};

// The GPIO chip and the line of each signal.
struct GpioPinMap {
    std::string chip; // name ("gpiochip0"), path, or label; empty: the header's chip
    std::array<GpioLineSpec, GpioSignalCount> lines;

    const GpioLineSpec& operator[](GpioSignal s) const { return lines[static_cast<size_t>(s)]; }
    GpioLineSpec& operator[](GpioSignal s) { return lines[static_cast<size_t>(s)]; }
    bool Simulated() const { return chip == GpioSimulatedChip; }
};

// The [Config] keys that start with "gpio", names in lower case, with their values.
using GpioKeys = std::vector<std::pair<std::string, std::string>>;

// The documented wiring on a Raspberry Pi's 40-pin header: PGC GPIO23, PGD GPIO24 (data
// read back on the same line), VPP GPIO18, VDD GPIO25, no rest line.
GpioPinMap DefaultGpioPinMap();

// The pin map of the [Config] keys that start with "gpio" (names in lower case), over the
// defaults. A key that is none of the adapter's, a value that is neither a line number,
// a line name nor "none", or no line for PGC, PGD or VPP is a fault naming the key.
GpioAccess ReadGpioPinMap(const GpioKeys& keys, GpioPinMap& map);
