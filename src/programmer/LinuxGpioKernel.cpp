#include "programmer/LinuxGpioKernel.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string ChipPrefix = "gpiochip";

// N of a "gpiochipN" node name, or -1 for other names.
long ChipNumber(const std::string& name) {
    if (name.size() <= ChipPrefix.size() || name.size() > ChipPrefix.size() + 6 ||
        name.compare(0, ChipPrefix.size(), ChipPrefix) != 0) {
        return -1;
    }
    long n = 0;
    for (size_t i = ChipPrefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return -1;
        }
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

} // namespace

std::vector<std::string> LinuxGpioKernel::ChipNodes() {
    namespace fs = std::filesystem;
    std::vector<std::pair<long, std::string>> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(deviceDirectory_, ec)) {
        const long n = ChipNumber(entry.path().filename().string());
        if (n >= 0) {
            found.emplace_back(n, entry.path().string());
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> nodes;
    for (auto& f : found) {
        nodes.push_back(std::move(f.second));
    }
    return nodes;
}

int LinuxGpioKernel::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    return fd >= 0 ? fd : -errno;
}

int LinuxGpioKernel::Ioctl(int fd, unsigned long request, void* arg) {
    return ::ioctl(fd, request, arg) == 0 ? 0 : -errno;
}

void LinuxGpioKernel::Close(int fd) {
    ::close(fd);
}

std::string LinuxGpioKernel::NodeGroup(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IRGRP | S_IWGRP)) != 0) {
        if (const group* g = ::getgrgid(st.st_gid);
            g != nullptr && std::string(g->gr_name) != "root") {
            return g->gr_name;
        }
    }
    return "";
}

GpioKernel& HostGpioKernel() {
    static LinuxGpioKernel kernel;
    return kernel;
}
