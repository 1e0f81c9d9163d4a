#include "programmer/ParallelPort.h"

#include "programmer/DeadPort.h"
#include "programmer/DirectIoPort.h"

#include <unistd.h>

OpenedPort OpenParallelPort(uint16_t portBase, const PpdevPaths& paths, IoSpace& io) {
    auto ppdev = std::make_unique<PpdevPort>(portBase, paths);
    if (ppdev->IsOpen()) {
        return {std::move(ppdev), PortAccess{}};
    }
    PortAccess access = ppdev->Access();
    if (access.fault != PortFault::Busy) {
        auto direct = std::make_unique<DirectIoPort>(portBase, io,
                                                     DirectIoLockFile(paths.lockRoot, portBase));
        if (direct->IsOpen()) {
            return {std::move(direct), PortAccess{}};
        }
        if (direct->Busy()) {
            access = PortAccess{};
            access.fault = PortFault::Busy;
            access.portBase = portBase;
        }
    }
    return {std::make_unique<DeadPort>(), access};
}

PortAccess ProbeParallelPort(uint16_t portBase, const PpdevPaths& paths, IoSpace& io) {
    if (SetPortPermission(io, portBase, true)) {
        io.In(portBase);
        SetPortPermission(io, portBase, false);
        return PortAccess{};
    }
    PortAccess access;
    const int fd = OpenPpdevNode(portBase, paths, access);
    if (fd >= 0) {
        ::close(fd);
    }
    return access;
}
