// pravik-cli on the GPIO adapter: the shipped device file with adapter=gpio, on the
// simulated header chip (gpiochip=simulator) and on this machine's kernel, which has no
// GPIO chip.
#include "cli/CliFixture.h"
#include "programmer/PortAccess.h"

namespace {

const char* const kDone = "Operación Completada.\n";

class CliGpio : public Cli {
protected:
    // The shipped file with [Config] lines in place of "adapter=parport".
    std::string Ini(const std::string& config) const {
        std::string ini = ReadFile(ShippedIni());
        ini.replace(ini.find("adapter=parport"), 15, config);
        return dir.Write("gpio.ini", ini);
    }
    CliResult On(const std::string& ini, const std::string& device,
                 std::vector<std::string> args) const {
        args.insert(args.begin(), {"--ini", ini, "-d", device});
        return RunCli(args, Env());
    }
};

} // namespace

// Through the GPIO lines onto the simulated chips, the chip kept in its file between runs:
// write, verify, read back, erase and blank check, for both families.
TEST_F(CliGpio, EveryCommandThroughTheHeaderLines) {
    const std::string ini = Ini("adapter=gpio\ngpiochip=simulator");
    for (const auto& [device, hex] :
         {std::pair{"PIC16F876A", "f876a.hex"}, std::pair{"PIC18F452", "f452.hex"}}) {
        SCOPED_TRACE(device);
        std::filesystem::remove(Chip());
        const std::vector<std::string> chip = {"--chip", Chip(), "-peci"};
        auto run = [&](std::vector<std::string> args) {
            args.insert(args.begin(), chip.begin(), chip.end());
            return On(ini, device, args);
        };
        const CliResult write = run({"write", Fixture(hex)});
        EXPECT_EQ(write.status, 0) << write.err;
        EXPECT_EQ(run({"verify", Fixture(hex)}).status, 0);
        EXPECT_EQ(run({"read", dir.File("back.hex")}).status, 0);
        EXPECT_EQ(run({"verify", dir.File("back.hex")}).err, kDone);
        EXPECT_EQ(run({"--yes", "unprotect"}).status, 0);
        const CliResult blank = run({"blank"});
        EXPECT_EQ(blank.status, 0) << blank.err;
        EXPECT_EQ(run({"verify", Fixture(hex)}).status, 1);
    }
    // --adapter gpio over the file's parport, with an inverting VPP transistor and the data
    // read on its own line: the simulated board is wired as the pin map says.
    const std::string other = Ini("adapter=parport\ngpiochip=simulator\ngpio_vpp=!GPIO17\n"
                                  "gpio_pgd_in=22\ngpio_vdd=none");
    std::filesystem::remove(Chip());
    const CliResult write = On(
        other, "PIC16F84A", {"--adapter", "gpio", "--chip", Chip(), "write", Fixture("f84a.hex")});
    EXPECT_EQ(write.err, kDone);
}

TEST_F(CliGpio, PinMapAndKernelFaultsStopBeforeTheChip) {
    const CliResult twice = On(Ini("adapter=gpio\ngpiochip=simulator\ngpio_vpp=GPIO24"),
                               "PIC16F84A", {"--chip", Chip(), "write", Fixture("f84a.hex")});
    EXPECT_EQ(twice.status, 1);
    EXPECT_EQ(twice.err, PortDriverMessage +
                             "\nLas claves gpio_pgd y gpio_vpp de la sección [Config] nombran la "
                             "misma línea 24 del chip /dev/gpiochip0 (pinctrl-bcm2711): cada "
                             "señal del adaptador necesita su propia línea.\n");
    EXPECT_FALSE(std::filesystem::exists(Chip()));

    const CliResult key = On(Ini("adapter=gpio\ngpio_mclr=4"), "PIC16F84A", {"blank"});
    EXPECT_EQ(key.status, 1);
    EXPECT_NE(key.err.find("El adaptador GPIO no tiene la clave gpio_mclr de la sección [Config]"),
              std::string::npos)
        << key.err;

    // This machine's kernel: no such chip.
    const std::string missing = dir.File("gpiochip9");
    const CliResult none = On(Ini("adapter=gpio\ngpiochip=" + missing), "PIC16F84A", {"blank"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find(PortDriverMessage + "\nNo existe el chip GPIO " + missing),
              std::string::npos)
        << none.err;
    // A chip file only makes sense on a simulated chip.
    EXPECT_EQ(On(Ini("adapter=gpio"), "PIC16F84A", {"--chip", Chip(), "blank"}).status, 2);
}
