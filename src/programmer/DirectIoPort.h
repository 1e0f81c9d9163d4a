#pragma once
#include "programmer/IoSpace.h"
#include "programmer/Port.h"

#include <cstdint>
#include <string>

// The port reached with the processor's own port instructions (x86, root or
// CAP_SYS_RAWIO). Used when the kernel offers no parallel-port device at this address.
// When access is refused the port behaves as a dead one: writes are dropped and the
// status reads 0xFF.
//
// The kernel does not keep two programs apart on this path, so with a lockFile the port
// is taken only when that file can be locked without waiting, and held until the object
// goes; when another program holds the lock, the port stays closed and Busy() is true.
// A lock file that cannot be created leaves the port unguarded rather than unusable.
class DirectIoPort : public Port {
public:
    explicit DirectIoPort(uint16_t portBase, IoSpace& io = HostIoSpace(),
                          const std::string& lockFile = "");
    ~DirectIoPort() override;
    DirectIoPort(const DirectIoPort&) = delete;
    DirectIoPort& operator=(const DirectIoPort&) = delete;

    bool IsOpen() const { return open_; }
    bool Busy() const { return busy_; }
    void WriteData(uint8_t value) override;
    uint8_t ReadStatus() override;

private:
    IoSpace& io_;
    uint16_t dataAddress_;
    uint16_t statusAddress_;
    bool open_ = false;
    bool busy_ = false;
    int lockFd_ = -1;
};

// The status register lies one above the data register, in 16-bit arithmetic (a base of
// 0xFFFF puts it at 0).
constexpr uint16_t StatusAddress(uint16_t portBase) {
    return static_cast<uint16_t>(portBase + 1);
}

// Asks for the data and status registers of a port. Two ranges when the status address
// wraps to 0, since one range cannot run past the end of the I/O space.
bool SetPortPermission(IoSpace& io, uint16_t portBase, bool enable);

// The lock file of direct access to the port at portBase, in lockRoot.
std::string DirectIoLockFile(const std::string& lockRoot, uint16_t portBase);
