#pragma once
#include "programmer/IoSpace.h"
#include "programmer/Port.h"
#include "programmer/PpdevPort.h"

#include <cstdint>
#include <memory>

// The port for the adapter at portBase: the ppdev device for that address when it can be
// opened and claimed, else direct port I/O when the system allows it, else a dead port
// (writes dropped, status 0xFF), so an operation never crashes or hangs on a missing port.
// Never returns null.
std::unique_ptr<Port> OpenParallelPort(uint16_t portBase, const PpdevPaths& paths = {},
                                       IoSpace& io = HostIoSpace());

// The start-up probe. True only when direct access to portBase is refused AND no ppdev
// device for portBase can be opened: then the program cannot reach the adapter at all and
// the window tells the user that the port driver is missing. When direct access is
// allowed, one byte is read from the data register and discarded, and access is given
// back. Nothing is written to the port.
bool PortDriverMissing(uint16_t portBase, const PpdevPaths& paths = {},
                       IoSpace& io = HostIoSpace());
