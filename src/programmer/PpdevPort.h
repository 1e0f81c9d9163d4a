#pragma once
#include "programmer/Port.h"

#include <cstdint>
#include <optional>
#include <string>

// Where the kernel lists its parallel ports and their device nodes. Tests point these at
// a temporary tree.
struct PpdevPaths {
    std::string procRoot = "/proc/sys/dev/parport"; // holds parportN/base-addr
    std::string devRoot = "/dev";                   // holds parportN (ppdev nodes)
};

// The /dev/parportN whose base address (the first number of
// <procRoot>/parportN/base-addr) is portBase; the lowest N when several match.
std::optional<std::string> FindPpdevDevice(uint16_t portBase, const PpdevPaths& paths = {});

// The port through the kernel's ppdev driver: needs no root, only access to the device
// node (group lp on Debian). Claimed for the life of the object. When the device cannot be
// found, opened or claimed the port behaves as a dead one (writes dropped, status 0xFF)
// and Error() says why.
class PpdevPort : public Port {
public:
    explicit PpdevPort(uint16_t portBase, const PpdevPaths& paths = {});
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Device() const { return device_; }
    const std::string& Error() const { return error_; }

    void WriteData(uint8_t value) override;
    uint8_t ReadStatus() override;

private:
    int fd_ = -1;
    std::string device_;
    std::string error_;
};
