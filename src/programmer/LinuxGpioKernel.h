#pragma once
#include "programmer/GpioKernel.h"

#include <string>
#include <vector>

// The GPIO character devices of the running kernel: open(2), ioctl(2) and close(2) on the
// nodes of a device directory (/dev, or a temporary one in tests).
class LinuxGpioKernel : public GpioKernel {
public:
    explicit LinuxGpioKernel(std::string deviceDirectory = "/dev")
        : deviceDirectory_(std::move(deviceDirectory)) {}

    std::string DeviceDirectory() const override { return deviceDirectory_; }
    std::vector<std::string> ChipNodes() override;
    int Open(const std::string& path) override;
    int Ioctl(int fd, unsigned long request, void* arg) override;
    void Close(int fd) override;
    std::string NodeGroup(const std::string& path) override;

private:
    std::string deviceDirectory_;
};
