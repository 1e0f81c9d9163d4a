#pragma once
#include "programmer/Port.h"
#include "programmer/PortAccess.h"

#include <cstdint>
#include <optional>
#include <string>

// Where the kernel lists its parallel ports and their device nodes, and where programs
// that reach a port directly leave their lock. Tests point these at a temporary tree.
struct PpdevPaths {
    std::string procRoot = "/proc/sys/dev/parport"; // holds parportN/base-addr
    std::string devRoot = "/dev";                   // holds parportN (ppdev nodes)
    std::string lockRoot = "/run/lock";             // lock files of direct port access
};

// The /dev/parportN whose base address (the first number of
// <procRoot>/parportN/base-addr) is portBase; the lowest N when several match.
std::optional<std::string> FindPpdevDevice(uint16_t portBase, const PpdevPaths& paths = {});

// Finds and opens the ppdev node for portBase without claiming the port, so that a
// program holding it is neither disturbed nor waited for. Returns the open descriptor, or
// -1 with access.fault saying why (no parallel-port support, no port at that address,
// ppdev not loaded, no permission). The caller closes the descriptor.
int OpenPpdevNode(uint16_t portBase, const PpdevPaths& paths, PortAccess& access);

// The port through the kernel's ppdev driver: needs no root, only access to the device
// node (group lp on Debian). Held for the life of the object. When the device cannot be
// found, opened or claimed the port behaves as a dead one (writes dropped, status 0xFF)
// and Access() says why.
//
// Two programs must not drive one adapter at once, and the second must not hang waiting:
// the kernel's claim waits for as long as another holder keeps the port. So before
// claiming, the node is locked without waiting (every copy of this program holds that
// lock for as long as it holds the port), and the kernel's record of the port's active
// holder is read (any other ppdev program, or the lp printer driver while it prints).
// Either one in use makes the port Busy. The printer driver merely being loaded does not:
// it registers on the port but gives it up between print jobs.
class PpdevPort : public Port {
public:
    explicit PpdevPort(uint16_t portBase, const PpdevPaths& paths = {});
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Device() const { return access_.device; }
    const PortAccess& Access() const { return access_; }

    void WriteData(uint8_t value) override;
    uint8_t ReadStatus() override;

private:
    int fd_ = -1;
    PortAccess access_;
};
