#include "programmer/GpioPort.h"

#include "common/SystemError.h"
#include "programmer/DeadPort.h"
#include "programmer/LineStates.h"

#include <cerrno>
#include <cstring>

#include <linux/gpio.h>

namespace {

void SetConsumer(gpio_v2_line_request& request) {
    std::strncpy(request.consumer, GpioPort::Consumer, sizeof request.consumer - 1);
}

// The level of a signal in a line state, before the adapter's inversion.
bool Active(GpioSignal s, uint8_t lines) {
    switch (s) {
    case GpioSignal::Pgd:
        return (lines & LineData) != 0;
    case GpioSignal::Pgc:
        return (lines & LineClock) != 0;
    case GpioSignal::Vpp:
        return (lines & LineProg) != 0;
    case GpioSignal::Vdd:
        // The chip is powered from the pre-entry state on and through programming mode,
        // so its supply is up before the programming voltage reaches MCLR.
        return (lines & (LinePrep | LineProg)) != 0;
    case GpioSignal::Idle:
        return (lines & LineIdle) != 0;
    case GpioSignal::PgdIn:
        break;
    }
    return false;
}

} // namespace

GpioPort::GpioPort(GpioKernel& kernel, const GpioPinMap& map) : kernel_(kernel) {
    index_.fill(-1);
    const int chipFd = OpenGpioChip(kernel_, map, wiring_, access_);
    if (chipFd < 0) {
        return;
    }
    Request(chipFd, map);
    // The request holds the lines by itself; the chip is not needed any more.
    kernel_.Close(chipFd);
}

bool GpioPort::Request(int chipFd, const GpioPinMap& map) {
    gpio_v2_line_request request{};
    uint32_t n = 0;
    for (size_t s = 0; s < GpioSignalCount; ++s) {
        if (wiring_.lines[s]) {
            index_[s] = static_cast<int>(n);
            request.offsets[n++] = wiring_.lines[s]->offset;
        }
    }
    request.num_lines = n;
    requested_ = (uint64_t{1} << n) - 1;
    SetConsumer(request);
    // The rest state: PGD let go, clock low, no programming voltage, no supply.
    request.config = LineConfig(true, Levels(StateIdle));
    const int result = kernel_.Ioctl(chipFd, GPIO_V2_GET_LINE_IOCTL, &request);
    if (result == -EBUSY) {
        // Another program took a line after the check: say which, if it still holds it.
        GpioWiring wiring;
        const int again = OpenGpioChip(kernel_, map, wiring, access_);
        if (again >= 0) {
            kernel_.Close(again);
        }
        if (access_.fault != GpioFault::Busy) {
            access_ = GpioAccess{};
            access_.fault = GpioFault::Busy;
            access_.chip = wiring_.chip;
            access_.label = wiring_.label;
        }
        return false;
    }
    if (result != 0) {
        access_.fault = GpioFault::Unusable;
        access_.detail = SystemErrorText(-result);
        return false;
    }
    fd_ = request.fd;
    released_ = true;
    return true;
}

GpioPort::~GpioPort() {
    if (fd_ < 0) {
        return;
    }
    // Left as inputs, the adapter's own resistors hold every signal off.
    gpio_v2_line_config config{};
    config.flags = GPIO_V2_LINE_FLAG_INPUT;
    kernel_.Ioctl(fd_, GPIO_V2_LINE_SET_CONFIG_IOCTL, &config);
    kernel_.Close(fd_);
}

uint64_t GpioPort::Bit(GpioSignal s) const {
    const int i = index_[static_cast<size_t>(s)];
    return i < 0 ? 0 : uint64_t{1} << i;
}

uint64_t GpioPort::Levels(uint8_t lines) const {
    uint64_t levels = 0;
    for (size_t s = 0; s < GpioSignalCount; ++s) {
        const auto signal = static_cast<GpioSignal>(s);
        if (wiring_.lines[s] && Active(signal, lines) != wiring_.lines[s]->inverted) {
            levels |= Bit(signal);
        }
    }
    return levels;
}

uint64_t GpioPort::Inputs(bool released) const {
    return Bit(GpioSignal::PgdIn) | (released ? Bit(GpioSignal::Pgd) : 0);
}

gpio_v2_line_config GpioPort::LineConfig(bool released, uint64_t levels) const {
    gpio_v2_line_config config{};
    config.flags = GPIO_V2_LINE_FLAG_OUTPUT;
    const uint64_t inputs = Inputs(released);
    uint32_t attrs = 0;
    if (inputs != 0) {
        config.attrs[attrs].attr.id = GPIO_V2_LINE_ATTR_ID_FLAGS;
        config.attrs[attrs].attr.flags = GPIO_V2_LINE_FLAG_INPUT;
        config.attrs[attrs++].mask = inputs;
    }
    config.attrs[attrs].attr.id = GPIO_V2_LINE_ATTR_ID_OUTPUT_VALUES;
    config.attrs[attrs].attr.values = levels;
    config.attrs[attrs++].mask = requested_ & ~inputs;
    config.num_attrs = attrs;
    return config;
}

void GpioPort::WriteData(uint8_t value) {
    if (fd_ < 0) {
        return;
    }
    const bool released = (value & LineRelease) != 0;
    const uint64_t levels = Levels(value);
    if (released != released_) {
        // Direction and levels in one request: PGD comes first in it, so it is let go
        // before the clock rises with it and taken back only with the clock low.
        gpio_v2_line_config config = LineConfig(released, levels);
        if (kernel_.Ioctl(fd_, GPIO_V2_LINE_SET_CONFIG_IOCTL, &config) == 0) {
            released_ = released;
        }
        return;
    }
    // Only outputs may be set: the kernel refuses the whole request if an input is in it.
    gpio_v2_line_values values{};
    values.bits = levels;
    values.mask = requested_ & ~Inputs(released);
    kernel_.Ioctl(fd_, GPIO_V2_LINE_SET_VALUES_IOCTL, &values);
}

uint8_t GpioPort::ReadStatus() {
    if (fd_ < 0) {
        return DeadPort::FloatingStatus;
    }
    const GpioSignal in = wiring_[GpioSignal::PgdIn] ? GpioSignal::PgdIn : GpioSignal::Pgd;
    gpio_v2_line_values values{};
    values.mask = Bit(in);
    if (kernel_.Ioctl(fd_, GPIO_V2_LINE_GET_VALUES_IOCTL, &values) != 0) {
        return DeadPort::FloatingStatus;
    }
    const bool high = ((values.bits & values.mask) != 0) != wiring_[in]->inverted;
    return high ? StatusDataIn : 0;
}
