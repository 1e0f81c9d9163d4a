#include "programmer/PpdevPort.h"

#include "programmer/DeadPort.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

const std::string PortPrefix = "parport";
const std::string BaseAddrFile = "base-addr";

// The number N of a "parportN" entry, or nothing for other entries ("default", ...).
std::optional<unsigned long> PortNumber(const std::string& name) {
    if (name.size() <= PortPrefix.size() || name.compare(0, PortPrefix.size(), PortPrefix) != 0) {
        return std::nullopt;
    }
    const std::string digits = name.substr(PortPrefix.size());
    if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(),
                                          [](unsigned char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoul(digits);
}

// The kernel writes the base addresses in decimal ("888\t1912"); the first is the data
// register.
std::optional<unsigned long> FirstBaseAddress(const fs::path& file) {
    std::ifstream in(file);
    unsigned long value = 0;
    if (!(in >> value)) {
        return std::nullopt;
    }
    return value;
}

std::string SystemError(const std::string& what, const std::string& device) {
    return what + " " + device + ": " + std::strerror(errno);
}
} // namespace

std::optional<std::string> FindPpdevDevice(uint16_t portBase, const PpdevPaths& paths) {
    std::error_code ec;
    std::vector<std::pair<unsigned long, std::string>> matches;
    for (const auto& entry : fs::directory_iterator(paths.procRoot, ec)) {
        const std::string name = entry.path().filename().string();
        const auto number = PortNumber(name);
        if (!number) {
            continue;
        }
        const auto base = FirstBaseAddress(entry.path() / BaseAddrFile);
        if (base && *base == portBase) {
            matches.emplace_back(*number, name);
        }
    }
    if (matches.empty()) {
        return std::nullopt;
    }
    std::sort(matches.begin(), matches.end());
    return (fs::path(paths.devRoot) / matches.front().second).string();
}

PpdevPort::PpdevPort(uint16_t portBase, const PpdevPaths& paths) {
    const auto device = FindPpdevDevice(portBase, paths);
    if (!device) {
        error_ = "no parallel port device at this base address";
        return;
    }
    device_ = *device;
    const int fd = ::open(device_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error_ = SystemError("cannot open", device_);
        return;
    }
    // Claiming gives us the port until we release it; another driver (lp) may hold it.
    if (::ioctl(fd, PPCLAIM) != 0) {
        error_ = SystemError("cannot claim", device_);
        ::close(fd);
        return;
    }
    fd_ = fd;
}

PpdevPort::~PpdevPort() {
    if (fd_ >= 0) {
        ::ioctl(fd_, PPRELEASE);
        ::close(fd_);
    }
}

void PpdevPort::WriteData(uint8_t value) {
    if (fd_ >= 0) {
        unsigned char data = value;
        ::ioctl(fd_, PPWDATA, &data);
    }
}

uint8_t PpdevPort::ReadStatus() {
    unsigned char status = DeadPort::FloatingStatus;
    if (fd_ >= 0 && ::ioctl(fd_, PPRSTATUS, &status) != 0) {
        return DeadPort::FloatingStatus;
    }
    return status;
}
