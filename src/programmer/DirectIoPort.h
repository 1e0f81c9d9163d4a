#pragma once
#include "programmer/IoSpace.h"
#include "programmer/Port.h"

#include <cstdint>

// The port reached with the processor's own port instructions (x86, root or
// CAP_SYS_RAWIO). Used when the kernel offers no parallel-port device at this address.
// When access is refused the port behaves as a dead one: writes are dropped and the
// status reads 0xFF.
class DirectIoPort : public Port {
public:
    explicit DirectIoPort(uint16_t portBase, IoSpace& io = HostIoSpace());
    ~DirectIoPort() override;
    DirectIoPort(const DirectIoPort&) = delete;
    DirectIoPort& operator=(const DirectIoPort&) = delete;

    bool IsOpen() const { return open_; }
    void WriteData(uint8_t value) override;
    uint8_t ReadStatus() override;

private:
    IoSpace& io_;
    uint16_t dataAddress_;
    uint16_t statusAddress_;
    bool open_ = false;
};

// The status register lies one above the data register, in 16-bit arithmetic (a base of
// 0xFFFF puts it at 0).
constexpr uint16_t StatusAddress(uint16_t portBase) {
    return static_cast<uint16_t>(portBase + 1);
}

// Asks for the data and status registers of a port. Two ranges when the status address
// wraps to 0, since one range cannot run past the end of the I/O space.
bool SetPortPermission(IoSpace& io, uint16_t portBase, bool enable);
