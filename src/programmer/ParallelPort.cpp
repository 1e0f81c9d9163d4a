#include "programmer/ParallelPort.h"

#include "programmer/DeadPort.h"
#include "programmer/DirectIoPort.h"

std::unique_ptr<Port> OpenParallelPort(uint16_t portBase, const PpdevPaths& paths, IoSpace& io) {
    auto ppdev = std::make_unique<PpdevPort>(portBase, paths);
    if (ppdev->IsOpen()) {
        return ppdev;
    }
    auto direct = std::make_unique<DirectIoPort>(portBase, io);
    if (direct->IsOpen()) {
        return direct;
    }
    return std::make_unique<DeadPort>();
}

bool PortDriverMissing(uint16_t portBase, const PpdevPaths& paths, IoSpace& io) {
    if (SetPortPermission(io, portBase, true)) {
        io.In(portBase);
        SetPortPermission(io, portBase, false);
        return false;
    }
    return !PpdevPort(portBase, paths).IsOpen();
}
