#pragma once
#include <string>
#include <vector>

// The kernel's GPIO character device as the GPIO adapter uses it: chip nodes are opened,
// asked and given line requests through the ioctls of <linux/gpio.h> (chip information,
// v2 line information, v2 line request), and a request's descriptor takes the v2 line
// ioctls (set values, get values, set configuration). Results follow the kernel's own
// convention without errno: a descriptor or 0 on success, minus the error code on
// failure. Behind this seam the program talks to the real kernel; tests and the
// simulated GPIO chip answer the same requests with the same structures.
class GpioKernel {
public:
    virtual ~GpioKernel() = default;
    // Where the chip nodes live ("/dev").
    virtual std::string DeviceDirectory() const = 0;
    // The chip nodes there are (<DeviceDirectory>/gpiochipN), in the order of N.
    virtual std::vector<std::string> ChipNodes() = 0;
    // Opens a node for reading and writing: a descriptor, or -errno.
    virtual int Open(const std::string& path) = 0;
    // One ioctl on a chip or line-request descriptor: 0, or -errno.
    virtual int Ioctl(int fd, unsigned long request, void* arg) = 0;
    virtual void Close(int fd) = 0;
    // The group that may open the node, for the permission hint; empty when it is not
    // known or is root's.
    virtual std::string NodeGroup(const std::string& path) = 0;
};

// The running system's GPIO character devices.
GpioKernel& HostGpioKernel();
