// The GPIO adapter under the whole stack: other wirings than the documented one, what one
// line state costs on the kernel interface, and the lines given back as inputs.
#include "common/HexText.h"
#include "operations/SimBench.h"

#include <algorithm>

#include <linux/gpio.h>

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kCompleted = {"Operación Completada."};

// Passes every request on to the header chip, counting the line-state requests and any
// the kernel refused.
class CountingKernel : public GpioKernel {
public:
    explicit CountingKernel(GpioKernel& inner) : inner_(inner) {}
    std::string DeviceDirectory() const override { return inner_.DeviceDirectory(); }
    std::vector<std::string> ChipNodes() override { return inner_.ChipNodes(); }
    int Open(const std::string& path) override { return inner_.Open(path); }
    void Close(int fd) override { inner_.Close(fd); }
    std::string NodeGroup(const std::string& path) override { return inner_.NodeGroup(path); }
    int Ioctl(int fd, unsigned long request, void* arg) override {
        const int result = inner_.Ioctl(fd, request, arg);
        if (request == GPIO_V2_LINE_SET_VALUES_IOCTL || request == GPIO_V2_LINE_SET_CONFIG_IOCTL) {
            ++stateRequests;
        }
        refused += result != 0 ? 1 : 0;
        return result;
    }
    int stateRequests = 0;
    int refused = 0;

private:
    GpioKernel& inner_;
};

class CountingPort : public Port {
public:
    explicit CountingPort(Port& inner) : inner_(inner) {}
    void WriteData(uint8_t value) override {
        ++writes;
        inner_.WriteData(value);
    }
    uint8_t ReadStatus() override { return inner_.ReadStatus(); }
    int writes = 0;

private:
    Port& inner_;
};

void FillSome(SimBench& b) {
    for (int32_t a = 0; a < 40; ++a) {
        b.image.HexEditG.SetAt(a, Hex((a * 37 + 5) & (b.device.Family == 16 ? 0x3FFF : 0xFF),
                                      b.device.Family == 16 ? 4 : 2));
    }
    b.image.ProgUsed = 40;
    for (int32_t a = 0; a < 8 && a < b.device.EEProm; ++a) {
        b.image.DatosEditG.SetAt(a, Hex(0xA0 + a, 2));
    }
    b.image.EEPromUsed = std::min(8, b.device.EEProm);
}

// No line of the chip requested or driven.
void ExpectAllReleasedInputs(const Sim::SimulatedGpioChip& chip) {
    for (uint32_t line = 0; line < Sim::SimulatedGpioChip::PiHeaderChip().lines; ++line) {
        EXPECT_FALSE(chip.Requested(0, line)) << "GPIO" << line;
        EXPECT_FALSE(chip.IsOutput(0, line)) << "GPIO" << line;
    }
}

GpioPinMap Map(const GpioKeys& keys) {
    GpioPinMap map;
    EXPECT_TRUE(ReadGpioPinMap(keys, map).Ok());
    return map;
}

} // namespace

// VPP and VDD through inverting transistors, a rest line holding MCLR low, and the data
// read back on its own line through an inverting buffer: lines named by number and by the
// kernel's name. Reading the data on the wrong line, or missing an inversion, fails the
// verify or leaves the chip unanswering.
TEST(GpioCarrier, OtherWiringsProgramAndVerifyBothFamilies) {
    GpioWiring board;
    board.lines[static_cast<size_t>(GpioSignal::Pgd)] = GpioLine{24, false};
    board.lines[static_cast<size_t>(GpioSignal::Pgc)] = GpioLine{23, false};
    board.lines[static_cast<size_t>(GpioSignal::Vpp)] = GpioLine{17, true};
    board.lines[static_cast<size_t>(GpioSignal::Vdd)] = GpioLine{27, true};
    board.lines[static_cast<size_t>(GpioSignal::Idle)] = GpioLine{5, false};
    board.lines[static_cast<size_t>(GpioSignal::PgdIn)] = GpioLine{22, true};
    const GpioPinMap map = Map({{"gpio_pgd", "GPIO24"},
                                {"gpio_vpp", "!17"},
                                {"gpio_vdd", "!GPIO27"},
                                {"gpio_idle", "5"},
                                {"gpio_pgd_in", "!gpio22"}});
    for (const char* device : {"PIC16F876A", "PIC18F4550"}) {
        SCOPED_TRACE(device);
        SimBench b(device);
        b.CarryOverGpio(board, map);
        ASSERT_TRUE(b.gpioPort->IsOpen());
        b.host.scope = Scope{true, true, true, true};
        FillSome(b);
        EXPECT_TRUE(b.engine->BotonEscribirClick());
        EXPECT_EQ(b.Messages(), kCompleted);
        b.ClearMessages();
        EXPECT_TRUE(b.engine->BotonVerificarClick());
        EXPECT_EQ(b.Messages(), kCompleted);
        EXPECT_EQ(b.Chip().TimingViolations().Summary(), "none");
    }

    // The same board driven with the documented (uninverted) pin map: the chip never sees
    // programming voltage, and nothing answers.
    SimBench wrong("PIC16F876A");
    wrong.CarryOverGpio(board, Map({{"gpio_vpp", "17"}, {"gpio_vdd", "27"}}));
    EXPECT_FALSE(wrong.engine->BotonLeerClick());
    ASSERT_FALSE(wrong.Messages().empty());
    EXPECT_EQ(wrong.Messages().front().rfind("No responde ningún PIC", 0), 0u)
        << wrong.Messages().front();
}

// Each line state the command layers write reaches the pins in one kernel request, and
// the kernel refuses none of them (an input among the values set would be refused) over
// a whole write and verify.
TEST(GpioCarrier, EveryLineStateIsOneRequestThatTheKernelAccepts) {
    SimBench b("PIC16F84A");
    b.gpioChip = std::make_unique<Sim::SimulatedGpioChip>();
    b.gpioChip->Connect(*b.port, DocumentedBoard());
    CountingKernel kernel(*b.gpioChip);
    auto gpio = std::make_unique<GpioPort>(kernel, DefaultGpioPinMap());
    ASSERT_TRUE(gpio->IsOpen());
    CountingPort port(*gpio);
    b.engine.reset();
    b.programmer = std::make_unique<Programmer>(port, b.delay, b.device, b.host.messages);
    b.engine = std::make_unique<OperationEngine>(*b.programmer, b.device, b.image, b.config16,
                                                 b.config18, b.host);
    FillSome(b);
    const int setUp = kernel.stateRequests;
    EXPECT_TRUE(b.engine->BotonEscribirClick());
    EXPECT_EQ(b.Messages(), kCompleted);
    EXPECT_GT(port.writes, 1000);
    EXPECT_EQ(kernel.stateRequests - setUp, port.writes);
    EXPECT_EQ(kernel.refused, 0);
    EXPECT_EQ(b.Chip().TimingViolations().Summary(), "none");

    b.engine.reset();
    b.programmer.reset();
    gpio.reset();
    ExpectAllReleasedInputs(*b.gpioChip);
    EXPECT_EQ(b.gpioChip->OpenDescriptors(), 0u);
}

// "Cancelar" in the middle of a write leaves the chip out of programming mode, and when
// the program lets go of the port every line it held is an input again and free for
// another program.
TEST(GpioCarrier, CancelledWriteLeavesTheChipOutOfModeAndTheLinesAsInputs) {
    SimBench b("PIC18F452");
    b.CarryOverGpio(DocumentedBoard(), DefaultGpioPinMap());
    FillSome(b);
    b.host.cancelAtCheck = 10;
    EXPECT_FALSE(b.engine->BotonEscribirClick());
    EXPECT_FALSE(b.Chip().InProgramMode());
    EXPECT_EQ(b.port->Lines(), 0x24); // the adapter at rest: released, no VPP, no VDD
    EXPECT_EQ(b.Chip().TimingViolations().Summary(), "none");

    b.engine.reset();
    b.programmer.reset();
    b.gpioPort.reset();
    ExpectAllReleasedInputs(*b.gpioChip);
    GpioPort next(*b.gpioChip, DefaultGpioPinMap());
    EXPECT_TRUE(next.IsOpen());
}
