#pragma once
#include "programmer/GpioChip.h"
#include "programmer/GpioKernel.h"
#include "simulator/SimulatedPort.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct gpio_v2_line_config;

namespace Sim {

// The kernel's GPIO character device in memory, for the GPIO adapter without a board.
// Its chips have numbered, named lines and answer the requests of <linux/gpio.h> as the
// kernel documents them (chip and line information, v2 line requests, set and get values
// as bitmaps over the requested lines, set configuration), failing with the kernel's error
// codes: EINVAL for a malformed request or a line the chip does not have, EBUSY for a line
// already requested, EPERM for setting an input, ENOENT for a missing node, EACCES for a
// node this user may not open.
//
// Connected to the simulated adapter, it is the board behind the header: after every line
// change the levels of the lines that carry the adapter's signals become the data-register
// byte the simulated adapter decodes (PGD an input means the data line is released), and
// reading the line wired to the chip's data line gives the level the adapter sees. A
// request's lines change one after the other in request order, as the kernel applies
// them, so the adapter sees every intermediate state. Lines that are inputs drive
// nothing: the board's resistors hold their signals off.
class SimulatedGpioChip : public GpioKernel {
public:
    struct Chip {
        std::string name;   // node name, "gpiochip0"
        std::string label;  // "pinctrl-bcm2711"
        uint32_t lines = 0; // line names are "GPIO0", "GPIO1", ...
    };
    // The header chip of a Raspberry Pi 4: gpiochip0, pinctrl-bcm2711, 58 lines.
    static Chip PiHeaderChip();

    explicit SimulatedGpioChip(std::vector<Chip> chips = {PiHeaderChip()});

    // Wires the adapter's signals to lines of one chip, as a board does: `board` says
    // which line carries each signal and where a transistor inverts it. PgdIn, when wired,
    // reads the chip's data line; without it PGD does.
    void Connect(SimulatedPort& adapter, const GpioWiring& board, size_t chip = 0);

    // Test knobs: a line held by another program or a kernel driver; a chip whose node this
    // user may not open.
    void Hold(size_t chip, uint32_t offset, const std::string& consumer);
    void DenyAccess(size_t chip) { chips_.at(chip).denied = true; }

    // What the board sees: whether a line is requested, an output, and its level.
    bool Requested(size_t chip, uint32_t offset) const { return Line(chip, offset).used; }
    bool IsOutput(size_t chip, uint32_t offset) const { return Line(chip, offset).output; }
    bool Level(size_t chip, uint32_t offset) const { return Line(chip, offset).level; }
    size_t OpenDescriptors() const { return chipFds_.size() + requests_.size(); }

    std::string DeviceDirectory() const override { return "/dev"; }
    std::vector<std::string> ChipNodes() override;
    int Open(const std::string& path) override;
    int Ioctl(int fd, unsigned long request, void* arg) override;
    void Close(int fd) override;
    std::string NodeGroup(const std::string&) override { return "gpio"; }

private:
    struct LineState {
        std::string name;
        std::string consumer;
        bool used = false;
        bool output = false;
        bool activeLow = false;
        bool level = false; // the physical level driven, when an output
    };
    struct ChipState {
        Chip spec;
        std::vector<LineState> lines;
        bool denied = false;
    };
    struct Request {
        size_t chip = 0;
        std::vector<uint32_t> offsets;
    };

    const LineState& Line(size_t chip, uint32_t offset) const {
        return chips_.at(chip).lines.at(offset);
    }
    int ChipIoctl(size_t chip, unsigned long request, void* arg);
    int LineInfo(size_t chip, void* arg);
    int RequestLines(size_t chip, void* arg);
    int LineIoctl(Request& request, unsigned long code, void* arg);
    int SetValues(Request& request, void* arg);
    int GetValues(Request& request, void* arg);
    void Apply(Request& request, const gpio_v2_line_config& config);
    bool LogicalValue(size_t chip, uint32_t offset);
    // The line's signal is on: driven, and at the active level after the board's inversion.
    bool SignalOn(GpioSignal signal) const;
    void Forward();

    std::vector<ChipState> chips_;
    std::map<int, size_t> chipFds_;
    std::map<int, Request> requests_;
    int nextFd_ = 100;
    SimulatedPort* adapter_ = nullptr;
    size_t adapterChip_ = 0;
    GpioWiring board_;
    uint8_t forwarded_ = 0;
};

} // namespace Sim
