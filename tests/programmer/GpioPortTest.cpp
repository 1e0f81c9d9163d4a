// The GPIO adapter's pin map and the kernel's answers: every fault is told in Spanish,
// naming the key, before any line is requested or driven.
#include "programmer/GpioPort.h"
#include "programmer/LineStates.h"
#include "programmer/LinuxGpioKernel.h"
#include "programmer/PortAccess.h"
#include "simulator/SimulatedGpioChip.h"
#include "support/TempDir.h"

#include <linux/gpio.h>

#include <gtest/gtest.h>

namespace {

using Chip = Sim::SimulatedGpioChip::Chip;

// The port of the keys on the kernel, or the parse fault.
GpioAccess OpenWith(GpioKernel& kernel, const GpioKeys& keys) {
    GpioPinMap map;
    if (GpioAccess fault = ReadGpioPinMap(keys, map); !fault.Ok()) {
        return fault;
    }
    return GpioPort(kernel, map).Access();
}

bool NothingRequestedOrDriven(const Sim::SimulatedGpioChip& chip, uint32_t lines) {
    for (uint32_t line = 0; line < lines; ++line) {
        if (chip.Requested(0, line) || chip.IsOutput(0, line)) {
            return false;
        }
    }
    return true;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(GpioPinMap, EveryFaultNamesTheKeyBeforeAnythingIsDriven) {
    struct Case {
        GpioKeys keys;
        GpioFault fault;
        std::string key;
        std::string said; // part of the message
    };
    const std::vector<Case> cases = {
        {{{"gpio_pgx", "5"}}, GpioFault::UnknownKey, "gpio_pgx", "Sus claves son gpiochip"},
        {{{"gpio_vpp", "23x"}}, GpioFault::BadValue, "gpio_vpp", "«23x»"},
        {{{"gpio_vpp", "!"}}, GpioFault::BadValue, "gpio_vpp", "con «!» delante"},
        {{{"gpio_pgd", "GPIO 24"}}, GpioFault::BadValue, "gpio_pgd", "no es válido"},
        {{{"gpio_vpp", "none"}}, GpioFault::MissingLine, "gpio_vpp", "deben nombrar una línea"},
        {{{"gpio_pgc", ""}}, GpioFault::MissingLine, "gpio_pgc", "gpio_pgc"},
        {{{"gpio_vpp", "58"}}, GpioFault::LineOutOfRange, "gpio_vpp", "tiene las líneas 0 a 57"},
        {{{"gpio_vpp", "GPIO99"}}, GpioFault::UnknownLineName, "gpio_vpp", "se llama «GPIO99»"},
        // A name and a number for the same line.
        {{{"gpio_vpp", "GPIO24"}},
         GpioFault::SameLineTwice,
         "gpio_vpp",
         "Las claves gpio_pgd y gpio_vpp de la sección [Config] nombran la misma línea 24"},
        {{{"gpio_pgd_in", "!23"}}, GpioFault::SameLineTwice, "gpio_pgd_in", "gpio_pgc y"},
        {{{"gpiochip", "gpiochip7"}},
         GpioFault::NoChip,
         "",
         "No existe el chip GPIO /dev/gpiochip7 (clave gpiochip de la sección [Config]). Chips "
         "GPIO de este sistema: gpiochip0 (pinctrl-bcm2711)."},
        {{{"gpiochip", "pinctrl-rp1"}}, GpioFault::NoChip, "", "pinctrl-rp1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.front().first + "=" + c.keys.front().second);
        Sim::SimulatedGpioChip kernel;
        const GpioAccess access = OpenWith(kernel, c.keys);
        EXPECT_EQ(access.fault, c.fault);
        EXPECT_EQ(access.key, c.key);
        const std::string message = GpioAccessMessage(access);
        EXPECT_EQ(message.rfind(PortDriverMessage + "\n", 0), 0u) << message;
        EXPECT_TRUE(Contains(message, c.key)) << message;
        EXPECT_TRUE(Contains(message, c.said)) << message;
        EXPECT_TRUE(NothingRequestedOrDriven(kernel, 58));
        EXPECT_EQ(kernel.OpenDescriptors(), 0u);
    }
    // Lines an adapter does not have, inversion marks and names the kernel writes in
    // another case are fine.
    Sim::SimulatedGpioChip kernel;
    EXPECT_TRUE(OpenWith(kernel, {{"gpio_vdd", "none"}, {"gpio_vpp", "!gpio18"}}).Ok());
}

// Without gpiochip the header's chip is found by its label wherever the kernel numbered
// it (a Pi 5's is not gpiochip0 on every kernel); gpiochip names a node, a path or a label.
TEST(GpioPort, FindsTheChipByHeaderLabelNameOrPath) {
    Sim::SimulatedGpioChip pi5({Chip{"gpiochip0", "gpio-brcmstb@107d508500", 32},
                                Chip{"gpiochip1", "raspberrypi-exp-gpio", 8},
                                Chip{"gpiochip4", "pinctrl-rp1", 54}});
    GpioPinMap map = DefaultGpioPinMap();
    EXPECT_EQ(GpioPort(pi5, map).Wiring().chip, "/dev/gpiochip4");
    map.chip = "/dev/gpiochip0";
    EXPECT_EQ(GpioPort(pi5, map).Wiring().label, "gpio-brcmstb@107d508500");
    map.chip = "raspberrypi-exp-gpio";
    const GpioAccess small = ProbeGpio(pi5, map);
    EXPECT_EQ(small.fault, GpioFault::LineOutOfRange);
    EXPECT_TRUE(Contains(GpioAccessMessage(small),
                         "el chip /dev/gpiochip1 (raspberrypi-exp-gpio) tiene las líneas 0 a 7"));

    Sim::SimulatedGpioChip board({Chip{"gpiochip0", "some-board", 64}, Chip{"gpiochip1", "x", 8}});
    EXPECT_EQ(GpioPort(board, DefaultGpioPinMap()).Wiring().chip, "/dev/gpiochip0");
}

// Lines held by a driver or by a second copy of the program: the port says they are busy
// and requests nothing; the first holder keeps driving them. The start-up probe takes no
// line, and the port starts at rest.
TEST(GpioPort, BusyLinesAreReportedAndLeftToTheirHolder) {
    Sim::SimulatedGpioChip kernel;
    EXPECT_TRUE(ProbeGpio(kernel, DefaultGpioPinMap()).Ok());
    EXPECT_TRUE(NothingRequestedOrDriven(kernel, 58));

    GpioPort first(kernel, DefaultGpioPinMap());
    ASSERT_TRUE(first.IsOpen());
    // At rest: PGD let go, PGC, VPP and VDD low.
    EXPECT_FALSE(kernel.IsOutput(0, 24));
    for (uint32_t line : {23u, 18u, 25u}) {
        EXPECT_TRUE(kernel.IsOutput(0, line));
        EXPECT_FALSE(kernel.Level(0, line));
    }
    first.WriteData(StateProg | LineClock | LineData);
    const GpioAccess second = GpioPort(kernel, DefaultGpioPinMap()).Access();
    EXPECT_EQ(second.fault, GpioFault::Busy);
    EXPECT_EQ(GpioAccessMessage(second),
              "Las líneas GPIO del adaptador están ocupadas: la línea 24 (gpio_pgd) del chip "
              "/dev/gpiochip0 (pinctrl-bcm2711) la está usando otro programa (pravik). Espere a "
              "que termine, o cierre ese programa, y vuelva a intentarlo.");
    for (uint32_t line : {24u, 23u, 18u, 25u}) {
        EXPECT_TRUE(kernel.IsOutput(0, line) && kernel.Level(0, line)) << line;
    }

    Sim::SimulatedGpioChip withDriver;
    withDriver.Hold(0, 18, "pwm0");
    const GpioAccess held = GpioPort(withDriver, DefaultGpioPinMap()).Access();
    EXPECT_EQ(held.fault, GpioFault::Busy);
    EXPECT_EQ(held.key, "gpio_vpp");
    EXPECT_TRUE(Contains(GpioAccessMessage(held), "(pwm0)"));
    EXPECT_TRUE(NothingRequestedOrDriven(withDriver, 18));
}

namespace {
// A kernel whose line information lags behind: a line taken after it was described is
// found busy only by the request.
class LaggingKernel : public Sim::SimulatedGpioChip {
public:
    int Ioctl(int fd, unsigned long request, void* arg) override {
        const int result = SimulatedGpioChip::Ioctl(fd, request, arg);
        if (request == GPIO_V2_GET_LINEINFO_IOCTL) {
            static_cast<gpio_v2_line_info*>(arg)->flags &= ~uint64_t{GPIO_V2_LINE_FLAG_USED};
        }
        return result;
    }
};
} // namespace

TEST(GpioPort, RequestRefusedAsBusyOrForbiddenSaysSo) {
    LaggingKernel lagging;
    lagging.Hold(0, 25, "other");
    const GpioAccess raced = GpioPort(lagging, DefaultGpioPinMap()).Access();
    EXPECT_EQ(raced.fault, GpioFault::Busy);
    EXPECT_TRUE(Contains(GpioAccessMessage(raced), "están ocupadas"));

    Sim::SimulatedGpioChip denied;
    denied.DenyAccess(0);
    const GpioAccess access = GpioPort(denied, DefaultGpioPinMap()).Access();
    EXPECT_EQ(access.fault, GpioFault::PermissionDenied);
    EXPECT_EQ(GpioAccessMessage(access),
              PortDriverMessage +
                  "\nSu usuario no tiene permiso para abrir /dev/gpiochip0. Añádalo al grupo "
                  "gpio («sudo usermod -aG gpio $USER») y vuelva a iniciar la sesión.");
}

// The real system's answers where there is no GPIO chip: an empty device directory, a
// node that is not a GPIO chip.
TEST(GpioPort, RealKernelWithoutAGpioChip) {
    TempDir dir;
    LinuxGpioKernel none(dir.Path());
    const GpioAccess missing = ProbeGpio(none, DefaultGpioPinMap());
    EXPECT_EQ(missing.fault, GpioFault::NoChip);
    EXPECT_TRUE(Contains(GpioAccessMessage(missing),
                         "No existe el chip GPIO " + dir.Path() +
                             "/gpiochip0 (clave gpiochip de la sección [Config]). Este sistema "
                             "no tiene ningún chip GPIO"));

    dir.Write("gpiochip0", "");
    LinuxGpioKernel plainFile(dir.Path());
    EXPECT_EQ(plainFile.ChipNodes(), std::vector<std::string>{dir.File("gpiochip0")});
    GpioPort port(plainFile, DefaultGpioPinMap());
    EXPECT_EQ(port.Access().fault, GpioFault::NotAChip);
    EXPECT_TRUE(Contains(GpioAccessMessage(port.Access()), "no es un chip GPIO"));
    port.WriteData(StateProg);
    EXPECT_EQ(port.ReadStatus(), 0xFF);

    GpioPinMap map = DefaultGpioPinMap();
    map.chip = "/dev/null";
    EXPECT_EQ(ProbeGpio(HostGpioKernel(), map).fault, GpioFault::NotAChip);
}
