#include "programmer/DirectIoPort.h"

#include "programmer/DeadPort.h"

#include "common/HexText.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

DirectIoPort::DirectIoPort(uint16_t portBase, IoSpace& io, const std::string& lockFile)
    : io_(io), dataAddress_(portBase), statusAddress_(StatusAddress(portBase)) {
    open_ = SetPortPermission(io_, portBase, true);
    // Only a program allowed onto the port takes (and so creates) the lock file.
    if (!open_ || lockFile.empty()) {
        return;
    }
    lockFd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lockFd_ >= 0 && ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        busy_ = errno == EWOULDBLOCK;
        ::close(lockFd_);
        lockFd_ = -1;
    }
    if (busy_) {
        SetPortPermission(io_, portBase, false);
        open_ = false;
    }
}

DirectIoPort::~DirectIoPort() {
    if (open_) {
        SetPortPermission(io_, dataAddress_, false);
    }
    if (lockFd_ >= 0) {
        ::close(lockFd_);
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

std::string DirectIoLockFile(const std::string& lockRoot, uint16_t portBase) {
    return lockRoot + "/pravik-port-" + Hex(portBase, 4) + ".lock";
}
