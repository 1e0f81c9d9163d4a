#pragma once
#include "programmer/GpioAccess.h"
#include "programmer/GpioChip.h"
#include "programmer/GpioKernel.h"
#include "programmer/GpioPinMap.h"
#include "programmer/Port.h"

#include <array>
#include <cstdint>

#include <linux/gpio.h>

// The adapter's lines on GPIO lines of a Linux GPIO chip, through the kernel's v2
// character-device interface. It carries exactly the line states of the parallel port's
// data register: each written byte becomes one kernel request that sets every output
// line at once (PGC from LineClock, PGD from LineData, VPP from LineProg, VDD from
// LinePrep or LineProg, the rest line from LineIdle, each inverted where the pin map
// says), and LineRelease switches PGD to an input in the same request. The data line is
// read on PGD-in, or on PGD itself when the adapter shares it, and reported as status bit
// 0x40.
//
// The lines are requested for the life of the object, starting in the rest state (PGD
// released, everything else off), under the consumer name "pravik", so that a second
// program finds them in use. When the chip or a line cannot be had the port behaves as a
// dead one (writes dropped, status 0xFF) and Access() says why. On destruction every
// line is switched to an input before it is given back, so nothing stays driven.
class GpioPort : public Port {
public:
    static constexpr const char* Consumer = "pravik";

    GpioPort(GpioKernel& kernel, const GpioPinMap& map);
    ~GpioPort() override;
    GpioPort(const GpioPort&) = delete;
    GpioPort& operator=(const GpioPort&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    const GpioAccess& Access() const { return access_; }
    const GpioWiring& Wiring() const { return wiring_; }

    void WriteData(uint8_t value) override;
    uint8_t ReadStatus() override;

private:
    bool Request(int chipFd, const GpioPinMap& map);
    // Bitmap over the requested lines of the levels the line state puts on them.
    uint64_t Levels(uint8_t lines) const;
    // Bitmap of the lines that are inputs while the data line is or is not released.
    uint64_t Inputs(bool released) const;
    // Direction of every line and levels of the outputs, as one kernel configuration.
    gpio_v2_line_config LineConfig(bool released, uint64_t levels) const;
    uint64_t Bit(GpioSignal s) const;

    GpioKernel& kernel_;
    GpioAccess access_;
    GpioWiring wiring_;
    int fd_ = -1;
    std::array<int, GpioSignalCount> index_{}; // place in the request, -1 when not wired
    uint64_t requested_ = 0;                   // every requested line
    bool released_ = true;
};
