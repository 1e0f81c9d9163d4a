#include "simulator/SimulatedGpioChip.h"

#include "simulator/AdapterLines.h"

#include <cerrno>
#include <cstring>

#include <linux/gpio.h>

namespace Sim {

namespace {

using namespace Lines;

constexpr uint64_t kValidFlags =
    GPIO_V2_LINE_FLAG_ACTIVE_LOW | GPIO_V2_LINE_FLAG_INPUT | GPIO_V2_LINE_FLAG_OUTPUT |
    GPIO_V2_LINE_FLAG_EDGE_RISING | GPIO_V2_LINE_FLAG_EDGE_FALLING | GPIO_V2_LINE_FLAG_OPEN_DRAIN |
    GPIO_V2_LINE_FLAG_OPEN_SOURCE | GPIO_V2_LINE_FLAG_BIAS_PULL_UP |
    GPIO_V2_LINE_FLAG_BIAS_PULL_DOWN | GPIO_V2_LINE_FLAG_BIAS_DISABLED |
    GPIO_V2_LINE_FLAG_EVENT_CLOCK_REALTIME | GPIO_V2_LINE_FLAG_EVENT_CLOCK_HTE;

bool Has(uint64_t mask, size_t i) {
    return (mask >> i & 1) != 0;
}

template <size_t N> bool Zeroed(const uint32_t (&padding)[N]) {
    for (uint32_t p : padding) {
        if (p != 0) {
            return false;
        }
    }
    return true;
}

// A line's flags: the first flags attribute naming it, else the default of the config.
uint64_t LineFlags(const gpio_v2_line_config& config, size_t i) {
    for (uint32_t a = 0; a < config.num_attrs; ++a) {
        const auto& attr = config.attrs[a];
        if (attr.attr.id == GPIO_V2_LINE_ATTR_ID_FLAGS && Has(attr.mask, i)) {
            return attr.attr.flags;
        }
    }
    return config.flags;
}

// A line's output value: from the first output-values attribute naming it, else 0.
bool OutputValue(const gpio_v2_line_config& config, size_t i) {
    for (uint32_t a = 0; a < config.num_attrs; ++a) {
        const auto& attr = config.attrs[a];
        if (attr.attr.id == GPIO_V2_LINE_ATTR_ID_OUTPUT_VALUES && Has(attr.mask, i)) {
            return Has(attr.attr.values, i);
        }
    }
    return false;
}

// The combinations the kernel refuses: both directions, edges on an output, drive modes
// on an input, two drive modes, two biases, unknown flags.
bool ValidFlags(uint64_t f) {
    const uint64_t bias = f & (GPIO_V2_LINE_FLAG_BIAS_PULL_UP | GPIO_V2_LINE_FLAG_BIAS_PULL_DOWN |
                               GPIO_V2_LINE_FLAG_BIAS_DISABLED);
    const uint64_t edges = f & (GPIO_V2_LINE_FLAG_EDGE_RISING | GPIO_V2_LINE_FLAG_EDGE_FALLING);
    const uint64_t drive = f & (GPIO_V2_LINE_FLAG_OPEN_DRAIN | GPIO_V2_LINE_FLAG_OPEN_SOURCE);
    const bool input = (f & GPIO_V2_LINE_FLAG_INPUT) != 0;
    const bool output = (f & GPIO_V2_LINE_FLAG_OUTPUT) != 0;
    return (f & ~kValidFlags) == 0 && !(input && output) && (edges == 0 || input) &&
           (drive == 0 || output) && (drive & (drive - 1)) == 0 && (bias & (bias - 1)) == 0;
}

int Validate(const gpio_v2_line_config& config, uint32_t lines) {
    if (config.num_attrs > GPIO_V2_LINE_NUM_ATTRS_MAX || !Zeroed(config.padding)) {
        return -EINVAL;
    }
    for (uint32_t i = 0; i < lines; ++i) {
        if (!ValidFlags(LineFlags(config, i))) {
            return -EINVAL;
        }
    }
    return 0;
}

} // namespace

SimulatedGpioChip::Chip SimulatedGpioChip::PiHeaderChip() {
    return Chip{"gpiochip0", "pinctrl-bcm2711", 58};
}

SimulatedGpioChip::SimulatedGpioChip(std::vector<Chip> chips) {
    for (Chip& spec : chips) {
        ChipState state;
        state.lines.resize(spec.lines);
        for (uint32_t i = 0; i < spec.lines; ++i) {
            state.lines[i].name = "GPIO" + std::to_string(i);
        }
        state.spec = std::move(spec);
        chips_.push_back(std::move(state));
    }
}

void SimulatedGpioChip::Connect(SimulatedPort& adapter, const GpioWiring& board, size_t chip) {
    adapter_ = &adapter;
    adapterChip_ = chip;
    board_ = board;
    forwarded_ = adapter.Lines();
    Forward();
}

void SimulatedGpioChip::Hold(size_t chip, uint32_t offset, const std::string& consumer) {
    LineState& line = chips_.at(chip).lines.at(offset);
    line.used = true;
    line.consumer = consumer;
}

std::vector<std::string> SimulatedGpioChip::ChipNodes() {
    std::vector<std::string> nodes;
    for (const ChipState& c : chips_) {
        nodes.push_back(DeviceDirectory() + "/" + c.spec.name);
    }
    return nodes;
}

int SimulatedGpioChip::Open(const std::string& path) {
    for (size_t c = 0; c < chips_.size(); ++c) {
        if (path == DeviceDirectory() + "/" + chips_[c].spec.name) {
            if (chips_[c].denied) {
                return -EACCES;
            }
            chipFds_[nextFd_] = c;
            return nextFd_++;
        }
    }
    return -ENOENT;
}

void SimulatedGpioChip::Close(int fd) {
    if (chipFds_.erase(fd) != 0) {
        return;
    }
    const auto r = requests_.find(fd);
    if (r == requests_.end()) {
        return;
    }
    // The lines are given back as they are: direction and level stay.
    for (uint32_t offset : r->second.offsets) {
        LineState& line = chips_[r->second.chip].lines[offset];
        line.used = false;
        line.consumer.clear();
    }
    requests_.erase(r);
}

int SimulatedGpioChip::Ioctl(int fd, unsigned long request, void* arg) {
    if (const auto c = chipFds_.find(fd); c != chipFds_.end()) {
        return ChipIoctl(c->second, request, arg);
    }
    if (const auto r = requests_.find(fd); r != requests_.end()) {
        return LineIoctl(r->second, request, arg);
    }
    return -EBADF;
}

int SimulatedGpioChip::ChipIoctl(size_t chip, unsigned long request, void* arg) {
    switch (request) {
    case GPIO_GET_CHIPINFO_IOCTL: {
        auto* info = static_cast<gpiochip_info*>(arg);
        *info = gpiochip_info{};
        const Chip& spec = chips_[chip].spec;
        std::strncpy(info->name, spec.name.c_str(), sizeof info->name - 1);
        std::strncpy(info->label, spec.label.c_str(), sizeof info->label - 1);
        info->lines = spec.lines;
        return 0;
    }
    case GPIO_V2_GET_LINEINFO_IOCTL:
        return LineInfo(chip, arg);
    case GPIO_V2_GET_LINE_IOCTL:
        return RequestLines(chip, arg);
    default:
        return -EINVAL;
    }
}

int SimulatedGpioChip::LineInfo(size_t chip, void* arg) {
    auto* info = static_cast<gpio_v2_line_info*>(arg);
    if (!Zeroed(info->padding) || info->offset >= chips_[chip].lines.size()) {
        return -EINVAL;
    }
    const uint32_t offset = info->offset;
    const LineState& line = chips_[chip].lines[offset];
    *info = gpio_v2_line_info{};
    info->offset = offset;
    std::strncpy(info->name, line.name.c_str(), sizeof info->name - 1);
    std::strncpy(info->consumer, line.consumer.c_str(), sizeof info->consumer - 1);
    info->flags = (line.used ? GPIO_V2_LINE_FLAG_USED : 0) |
                  (line.output ? GPIO_V2_LINE_FLAG_OUTPUT : GPIO_V2_LINE_FLAG_INPUT) |
                  (line.activeLow ? GPIO_V2_LINE_FLAG_ACTIVE_LOW : 0);
    return 0;
}

int SimulatedGpioChip::RequestLines(size_t chip, void* arg) {
    auto* request = static_cast<gpio_v2_line_request*>(arg);
    const uint32_t n = request->num_lines;
    if (n == 0 || n > GPIO_V2_LINES_MAX || !Zeroed(request->padding)) {
        return -EINVAL;
    }
    std::vector<LineState>& lines = chips_[chip].lines;
    for (uint32_t i = 0; i < n; ++i) {
        if (request->offsets[i] >= lines.size()) {
            return -EINVAL;
        }
    }
    if (const int error = Validate(request->config, n); error != 0) {
        return error;
    }
    for (uint32_t i = 0; i < n; ++i) {
        // A line named twice in one request is already taken by the time it comes again.
        for (uint32_t j = 0; j < i; ++j) {
            if (request->offsets[j] == request->offsets[i]) {
                return -EBUSY;
            }
        }
        if (lines[request->offsets[i]].used) {
            return -EBUSY;
        }
    }
    Request r;
    r.chip = chip;
    r.offsets.assign(request->offsets, request->offsets + n);
    const std::string consumer(request->consumer, strnlen(request->consumer, GPIO_MAX_NAME_SIZE));
    for (uint32_t offset : r.offsets) {
        lines[offset].used = true;
        lines[offset].consumer = consumer.empty() ? "?" : consumer;
    }
    const int fd = nextFd_++;
    Request& stored = requests_[fd] = std::move(r);
    Apply(stored, request->config);
    request->fd = fd;
    return 0;
}

int SimulatedGpioChip::LineIoctl(Request& request, unsigned long code, void* arg) {
    switch (code) {
    case GPIO_V2_LINE_SET_VALUES_IOCTL:
        return SetValues(request, arg);
    case GPIO_V2_LINE_GET_VALUES_IOCTL:
        return GetValues(request, arg);
    case GPIO_V2_LINE_SET_CONFIG_IOCTL: {
        const auto* config = static_cast<const gpio_v2_line_config*>(arg);
        if (const int error = Validate(*config, request.offsets.size()); error != 0) {
            return error;
        }
        Apply(request, *config);
        return 0;
    }
    default:
        return -EINVAL;
    }
}

// Each line takes its direction and, as an output, its value, one after the other. A line
// whose flags give no direction keeps the one it has.
void SimulatedGpioChip::Apply(Request& request, const gpio_v2_line_config& config) {
    for (size_t i = 0; i < request.offsets.size(); ++i) {
        LineState& line = chips_[request.chip].lines[request.offsets[i]];
        const uint64_t flags = LineFlags(config, i);
        line.activeLow = (flags & GPIO_V2_LINE_FLAG_ACTIVE_LOW) != 0;
        if ((flags & GPIO_V2_LINE_FLAG_OUTPUT) != 0) {
            line.output = true;
            line.level = OutputValue(config, i) != line.activeLow;
        } else if ((flags & GPIO_V2_LINE_FLAG_INPUT) != 0) {
            line.output = false;
        }
        if (request.chip == adapterChip_) {
            Forward();
        }
    }
}

int SimulatedGpioChip::SetValues(Request& request, void* arg) {
    const auto* values = static_cast<const gpio_v2_line_values*>(arg);
    if (values->mask == 0) {
        return -EINVAL;
    }
    std::vector<LineState>& lines = chips_[request.chip].lines;
    // Checked before anything is set: a request with an input in it changes nothing.
    for (size_t i = 0; i < request.offsets.size(); ++i) {
        if (Has(values->mask, i) && !lines[request.offsets[i]].output) {
            return -EPERM;
        }
    }
    for (size_t i = 0; i < request.offsets.size(); ++i) {
        if (Has(values->mask, i)) {
            LineState& line = lines[request.offsets[i]];
            line.level = Has(values->bits, i) != line.activeLow;
            if (request.chip == adapterChip_) {
                Forward();
            }
        }
    }
    return 0;
}

int SimulatedGpioChip::GetValues(Request& request, void* arg) {
    auto* values = static_cast<gpio_v2_line_values*>(arg);
    if (values->mask == 0) {
        return -EINVAL;
    }
    uint64_t bits = 0;
    for (size_t i = 0; i < request.offsets.size(); ++i) {
        if (Has(values->mask, i) && LogicalValue(request.chip, request.offsets[i])) {
            bits |= uint64_t{1} << i;
        }
    }
    values->bits = bits;
    return 0;
}

bool SimulatedGpioChip::LogicalValue(size_t chip, uint32_t offset) {
    const LineState& line = chips_[chip].lines[offset];
    bool level = line.output && line.level;
    if (!line.output && adapter_ != nullptr && chip == adapterChip_) {
        // The data line comes back on its own line where the board has one (PGD out then
        // goes through a driver that does not read back), else on PGD itself.
        const auto& wired =
            board_[GpioSignal::PgdIn] ? board_[GpioSignal::PgdIn] : board_[GpioSignal::Pgd];
        if (wired && wired->offset == offset) {
            level = ((adapter_->ReadStatus() & StatusData) != 0) != wired->inverted;
        }
    }
    return level != line.activeLow;
}

bool SimulatedGpioChip::SignalOn(GpioSignal signal) const {
    const auto& wired = board_[signal];
    if (!wired) {
        return false;
    }
    const LineState& line = chips_[adapterChip_].lines[wired->offset];
    return line.output && line.level != wired->inverted;
}

void SimulatedGpioChip::Forward() {
    if (adapter_ == nullptr) {
        return;
    }
    uint8_t byte = SignalOn(GpioSignal::Pgc) ? LineClock : 0;
    const auto& pgd = board_[GpioSignal::Pgd];
    if (pgd && chips_[adapterChip_].lines[pgd->offset].output) {
        byte |= SignalOn(GpioSignal::Pgd) ? LineData : 0;
    } else {
        byte |= LineRelease;
    }
    const bool vpp = SignalOn(GpioSignal::Vpp);
    // A board without a supply line leaves the chip on its own supply all the time; one
    // without a rest line is at rest whenever MCLR has no programming voltage.
    const bool vdd = board_[GpioSignal::Vdd] ? SignalOn(GpioSignal::Vdd) : true;
    const bool idle = board_[GpioSignal::Idle] ? SignalOn(GpioSignal::Idle) : !vpp;
    byte |= (vpp ? LineProg : 0) | (idle ? LineIdle : 0) | (vdd && !vpp ? LinePrep : 0);
    if (byte != forwarded_) {
        forwarded_ = byte;
        adapter_->WriteData(byte);
    }
}

} // namespace Sim
