#pragma once
#include "programmer/IoSpace.h"
#include "programmer/Port.h"
#include "programmer/PortAccess.h"
#include "programmer/PpdevPort.h"

#include <cstdint>
#include <memory>

// The adapter's port, or a dead one and the reason it could not be had.
struct OpenedPort {
    std::unique_ptr<Port> port; // never null
    PortAccess access;          // fault None when the port reaches the adapter
};

// The port for the adapter at portBase: the ppdev device for that address when it can be
// opened and claimed, else direct port I/O when the system allows it, else a dead port
// (writes dropped, status 0xFF), so an operation never crashes or hangs on a missing port.
// A port that another program is using is reported Busy and never taken behind its back
// through direct I/O.
OpenedPort OpenParallelPort(uint16_t portBase, const PpdevPaths& paths = {},
                            IoSpace& io = HostIoSpace());

// The start-up probe: what keeps the program from the port, without taking it. When
// direct access to portBase is allowed, one byte is read from the data register and
// discarded, access is given back and nothing is wrong. Otherwise the ppdev device for
// portBase is opened (not claimed, so a program that holds the port is neither disturbed
// nor waited for) and closed again; the result says why it could not be opened, which is
// when the window tells the user that the port driver is missing. Nothing is written.
PortAccess ProbeParallelPort(uint16_t portBase, const PpdevPaths& paths = {},
                             IoSpace& io = HostIoSpace());
