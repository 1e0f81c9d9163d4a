#include "programmer/PpdevPort.h"

#include "common/SystemError.h"
#include "programmer/DeadPort.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
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

// The group that may open the node, for the permission hint: the node's own group when
// the group has access (group lp on Debian), else lp, which a udev rule can give it.
std::string NodeGroup(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) == 0 && (st.st_mode & (S_IRGRP | S_IWGRP)) != 0) {
        if (const group* g = ::getgrgid(st.st_gid);
            g != nullptr && std::string(g->gr_name) != "root") {
            return g->gr_name;
        }
    }
    return "lp";
}

// The device that holds the port now, from the kernel's record ("none" when free); empty
// when the kernel keeps no such record.
std::string ActiveHolder(const PpdevPaths& paths, const std::string& device) {
    std::ifstream in(fs::path(paths.procRoot) / fs::path(device).filename() / "devices" / "active");
    std::string holder;
    in >> holder;
    return holder == "none" ? std::string() : holder;
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

int OpenPpdevNode(uint16_t portBase, const PpdevPaths& paths, PortAccess& access) {
    access = PortAccess{};
    access.portBase = portBase;
    std::error_code ec;
    if (!fs::is_directory(paths.procRoot, ec)) {
        access.fault = PortFault::NoParportDriver;
        return -1;
    }
    const auto device = FindPpdevDevice(portBase, paths);
    if (!device) {
        access.fault = PortFault::NoPortAtAddress;
        return -1;
    }
    access.device = *device;
    const int fd = ::open(device->c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        return fd;
    }
    const int error = errno;
    access.detail = SystemErrorText(error);
    if (error == ENOENT) {
        access.fault = PortFault::NoDeviceNode;
    } else if (error == EACCES || error == EPERM) {
        access.fault = PortFault::PermissionDenied;
        access.group = NodeGroup(*device);
    } else {
        access.fault = PortFault::Unusable;
    }
    return -1;
}

PpdevPort::PpdevPort(uint16_t portBase, const PpdevPaths& paths) {
    const int fd = OpenPpdevNode(portBase, paths, access_);
    if (fd < 0) {
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        access_.fault = error == EWOULDBLOCK ? PortFault::Busy : PortFault::Unusable;
        access_.detail = error == EWOULDBLOCK ? "" : SystemErrorText(error);
        ::close(fd);
        return;
    }
    if (const std::string holder = ActiveHolder(paths, access_.device); !holder.empty()) {
        access_.fault = PortFault::Busy;
        access_.detail = holder;
        ::close(fd);
        return;
    }
    // Claiming gives us the port until we release it.
    if (::ioctl(fd, PPCLAIM) != 0) {
        access_.fault = PortFault::Unusable;
        access_.detail = SystemErrorText(errno);
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
