#pragma once
#include "common/Phrase.h"

#include <cstdint>
#include <string>

// What keeps the program from the adapter's parallel port, as far as it can tell, so
// that the user is told what to do about it.
enum class PortFault {
    None,
    NoParportDriver,  // no parallel-port support in the kernel: /proc/sys/dev/parport missing
    NoPortAtAddress,  // the kernel lists no parallel port at the configured base address
    NoDeviceNode,     // the port is listed but /dev/parportN is missing: ppdev not loaded
    PermissionDenied, // /dev/parportN exists but this user may not open it
    Busy,             // another program is using the port
    Unusable,         // opened but refused for another reason (detail says which)
};

struct PortAccess {
    PortFault fault = PortFault::None;
    uint16_t portBase = 0;
    std::string device; // the /dev/parportN concerned, when there is one
    std::string group;  // PermissionDenied: the group that may open the device
    Phrase detail;      // the system's own words, or the program that holds the port

    bool Ok() const { return fault == PortFault::None; }
};

// Shown when the adapter's port cannot be reached at all.
inline const Phrase PortDriverMessage =
    Say("programmer", "Falta Driver para el puerto paralelo. Mal rollo.");

// What the user is told: for a port that cannot be reached, the driver message and, on
// the next line, what is missing and how to fix it; for a busy port, that another program
// uses it. Empty when nothing is wrong.
Phrase PortAccessMessage(const PortAccess& access);
