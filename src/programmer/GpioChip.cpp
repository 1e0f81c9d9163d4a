#include "programmer/GpioChip.h"

#include "common/SystemError.h"
#include "common/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include <linux/gpio.h>

namespace {

std::string Text(const char* field, size_t size) {
    return std::string(field, strnlen(field, size));
}

std::string NodeName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The chip's information through an open descriptor; false when it is no GPIO chip.
bool ChipInfo(GpioKernel& kernel, int fd, gpiochip_info& info, int& error) {
    info = gpiochip_info{};
    error = kernel.Ioctl(fd, GPIO_GET_CHIPINFO_IOCTL, &info);
    return error == 0;
}

// The label of the chip at a node; empty when it cannot be opened or asked.
std::string LabelAt(GpioKernel& kernel, const std::string& node) {
    const int fd = kernel.Open(node);
    if (fd < 0) {
        return "";
    }
    gpiochip_info info{};
    int error = 0;
    const bool ok = ChipInfo(kernel, fd, info, error);
    kernel.Close(fd);
    return ok ? Text(info.label, sizeof info.label) : "";
}

// "gpiochip0 (pinctrl-bcm2711), gpiochip1 (raspberrypi-exp-gpio)", for a message.
std::string ChipList(GpioKernel& kernel) {
    std::string list;
    for (const std::string& node : kernel.ChipNodes()) {
        const std::string label = LabelAt(kernel, node);
        list +=
            (list.empty() ? "" : ", ") + NodeName(node) + (label.empty() ? "" : " (" + label + ")");
    }
    return list;
}

// The node of the chip the device file names: a path, a node name, or a label. Without
// one, the first chip whose label is a Raspberry Pi header's, else gpiochip0. Empty when
// no chip has the label given.
std::string FindChipNode(GpioKernel& kernel, const std::string& chip) {
    const std::string dir = kernel.DeviceDirectory();
    if (chip.find('/') != std::string::npos) {
        return chip;
    }
    if (chip.compare(0, 8, "gpiochip") == 0) {
        return dir + "/" + chip;
    }
    for (const std::string& node : kernel.ChipNodes()) {
        const std::string label = LabelAt(kernel, node);
        const bool header = std::find(HeaderChipLabels.begin(), HeaderChipLabels.end(), label) !=
                            HeaderChipLabels.end();
        if (chip.empty() ? header : label == chip) {
            return node;
        }
    }
    return chip.empty() ? dir + "/gpiochip0" : "";
}

int OpenFailure(GpioKernel& kernel, int error, const std::string& node, GpioAccess& access) {
    access.chip = node;
    if (error == -ENOENT || error == -ENODEV || error == -ENXIO) {
        access.fault = GpioFault::NoChip;
        access.detail = ChipList(kernel);
    } else if (error == -EACCES || error == -EPERM) {
        access.fault = GpioFault::PermissionDenied;
        access.group = kernel.NodeGroup(node);
        if (access.group.empty()) {
            // Raspberry Pi OS gives the GPIO chips to this group, and a udev rule can.
            access.group = "gpio";
        }
    } else {
        access.fault = GpioFault::Unusable;
        access.detail = SystemErrorText(-error);
    }
    return -1;
}

// Resolves the pin map's lines on the open chip; false with access saying why.
class LineResolver {
public:
    LineResolver(GpioKernel& kernel, int fd, uint32_t lines, GpioAccess& access)
        : kernel_(kernel), fd_(fd), lines_(lines), access_(access) {}

    bool Resolve(const GpioPinMap& map, GpioWiring& wiring) {
        for (size_t s = 0; s < GpioSignalCount; ++s) {
            const GpioLineSpec& spec = map.lines[s];
            if (!spec.present) {
                continue;
            }
            const std::string key(GpioKey(static_cast<GpioSignal>(s)));
            std::optional<uint32_t> offset = spec.byName ? Named(spec.name) : InRange(spec.number);
            if (!offset) {
                return Fail(spec.byName ? GpioFault::UnknownLineName : GpioFault::LineOutOfRange,
                            key, spec.byName ? spec.name : std::to_string(spec.number));
            }
            for (size_t t = 0; t < s; ++t) {
                if (wiring.lines[t] && wiring.lines[t]->offset == *offset) {
                    access_.otherKey = GpioKey(static_cast<GpioSignal>(t));
                    return Fail(GpioFault::SameLineTwice, key, std::to_string(*offset));
                }
            }
            wiring.lines[s] = GpioLine{*offset, spec.inverted};
        }
        return CheckFree(wiring);
    }

private:
    std::optional<uint32_t> InRange(uint32_t number) const {
        return number < lines_ ? std::optional<uint32_t>(number) : std::nullopt;
    }

    // The kernel's names are matched exactly, else without regard to case ("gpio23").
    std::optional<uint32_t> Named(const std::string& name) {
        LoadInfo();
        for (bool exact : {true, false}) {
            for (uint32_t i = 0; i < info_.size(); ++i) {
                const std::string lineName = Text(info_[i].name, sizeof info_[i].name);
                if (exact ? lineName == name : EqualsIgnoringCase(lineName, name)) {
                    return i;
                }
            }
        }
        return std::nullopt;
    }

    bool CheckFree(const GpioWiring& wiring) {
        LoadInfo();
        for (size_t s = 0; s < GpioSignalCount; ++s) {
            if (!wiring.lines[s] || wiring.lines[s]->offset >= info_.size()) {
                continue;
            }
            const gpio_v2_line_info& info = info_[wiring.lines[s]->offset];
            if ((info.flags & GPIO_V2_LINE_FLAG_USED) != 0) {
                access_.detail = Text(info.consumer, sizeof info.consumer);
                return Fail(GpioFault::Busy, std::string(GpioKey(static_cast<GpioSignal>(s))),
                            std::to_string(wiring.lines[s]->offset));
            }
        }
        return true;
    }

    // Every line's information, read once; a line the kernel will not describe is left
    // blank (no name, not in use).
    void LoadInfo() {
        if (loaded_) {
            return;
        }
        loaded_ = true;
        info_.resize(lines_);
        for (uint32_t i = 0; i < lines_; ++i) {
            gpio_v2_line_info info{};
            info.offset = i;
            if (kernel_.Ioctl(fd_, GPIO_V2_GET_LINEINFO_IOCTL, &info) == 0) {
                info_[i] = info;
            }
        }
    }

    bool Fail(GpioFault fault, const std::string& key, const std::string& value) {
        access_.fault = fault;
        access_.key = key;
        access_.value = value;
        access_.lines = lines_;
        return false;
    }

    GpioKernel& kernel_;
    int fd_;
    uint32_t lines_;
    GpioAccess& access_;
    bool loaded_ = false;
    std::vector<gpio_v2_line_info> info_;
};

} // namespace

int OpenGpioChip(GpioKernel& kernel, const GpioPinMap& map, GpioWiring& wiring,
                 GpioAccess& access) {
    access = GpioAccess{};
    wiring = GpioWiring{};
    const std::string node = FindChipNode(kernel, map.chip);
    if (node.empty()) {
        access.fault = GpioFault::NoChip;
        access.chip = map.chip;
        access.detail = ChipList(kernel);
        return -1;
    }
    const int fd = kernel.Open(node);
    if (fd < 0) {
        return OpenFailure(kernel, fd, node, access);
    }
    access.chip = node;
    gpiochip_info info{};
    int error = 0;
    if (!ChipInfo(kernel, fd, info, error)) {
        kernel.Close(fd);
        access.fault = GpioFault::NotAChip;
        access.detail = SystemErrorText(-error);
        return -1;
    }
    access.label = Text(info.label, sizeof info.label);
    wiring.chip = node;
    wiring.label = access.label;
    if (!LineResolver(kernel, fd, info.lines, access).Resolve(map, wiring)) {
        kernel.Close(fd);
        return -1;
    }
    return fd;
}

GpioAccess ProbeGpio(GpioKernel& kernel, const GpioPinMap& map) {
    GpioWiring wiring;
    GpioAccess access;
    const int fd = OpenGpioChip(kernel, map, wiring, access);
    if (fd >= 0) {
        kernel.Close(fd);
    }
    return access;
}
