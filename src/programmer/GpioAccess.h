#pragma once
#include "common/Phrase.h"

#include <cstdint>
#include <string>

// What keeps the program from the GPIO adapter's lines, as far as it can tell, so that
// the user is told what to do about it.
enum class GpioFault {
    None,
    UnknownKey,       // a [Config] key starting with "gpio" that the adapter does not have
    BadValue,         // a value that is no line number, line name, "none" or chip
    MissingLine,      // PGC, PGD or VPP given as none
    NoChip,           // no such GPIO chip (node missing, or no chip with that label)
    NotAChip,         // the node does not answer as a GPIO chip
    PermissionDenied, // the chip's node exists but this user may not open it
    LineOutOfRange,   // a line number the chip does not have
    UnknownLineName,  // no line of the chip has that name
    SameLineTwice,    // two signals on one line
    Busy,             // a line is in use by another program or a kernel driver
    Unusable,         // refused for another reason (detail says which)
};

struct GpioAccess {
    GpioFault fault = GpioFault::None;
    std::string chip;     // the chip concerned: its node, or the value of gpiochip
    std::string label;    // the chip's label, when it was read
    uint32_t lines = 0;   // LineOutOfRange: how many lines the chip has
    std::string key;      // the [Config] key at fault
    std::string otherKey; // SameLineTwice: the other key naming the line
    std::string value;    // the value at fault; Busy: the line
    std::string group;    // PermissionDenied: the group that may open the chip
    Phrase detail;        // the system's own words; NoChip: the chips there are; Busy:
                          // who holds the line

    bool Ok() const { return fault == GpioFault::None; }
};

// What the user is told: like the parallel port's, the driver message and, on the next
// line, what is wrong and how to fix it; for lines in use, that another program holds
// them. Empty when nothing is wrong.
Phrase GpioAccessMessage(const GpioAccess& access);
