#include "programmer/DirectIoPort.h"

#include "programmer/DeadPort.h"

namespace {
constexpr uint32_t PortRegisters = 2; // data and status
} // namespace

bool SetPortPermission(IoSpace& io, uint16_t portBase, bool enable) {
    const uint16_t status = StatusAddress(portBase);
    if (status > portBase) {
        return io.SetPermission(portBase, PortRegisters, enable);
    }
    const bool dataOk = io.SetPermission(portBase, 1, enable);
    const bool statusOk = io.SetPermission(status, 1, enable);
    if (enable && dataOk != statusOk) {
        // Half a port is no port: give back the half that was granted.
        io.SetPermission(dataOk ? portBase : status, 1, false);
    }
    return dataOk && statusOk;
}

DirectIoPort::DirectIoPort(uint16_t portBase, IoSpace& io)
    : io_(io), dataAddress_(portBase), statusAddress_(StatusAddress(portBase)) {
    open_ = SetPortPermission(io_, portBase, true);
}

DirectIoPort::~DirectIoPort() {
    if (open_) {
        SetPortPermission(io_, dataAddress_, false);
    }
}

void DirectIoPort::WriteData(uint8_t value) {
    if (open_) {
        io_.Out(dataAddress_, value);
    }
}

uint8_t DirectIoPort::ReadStatus() {
    return open_ ? io_.In(statusAddress_) : DeadPort::FloatingStatus;
}
