// Usage errors, the device list and record, and the remembered device.
#include "cli/CliFixture.h"

#include <filesystem>

namespace {

// The "[PIC...]" section names of a device file, read without the program's reader.
std::string PicSections(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::string names;
    while (std::getline(in, line)) {
        if (line.rfind("[PIC", 0) == 0) {
            names += line.substr(1, line.find(']') - 1) + "\n";
        }
    }
    return names;
}

} // namespace

TEST_F(Cli, UsageErrorsExitWithTwoAndPrintNothingOnStandardOutput) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "falta la orden"},
        {{"frobnicate"}, "orden desconocida 'frobnicate'"},
        {{"--bogus", "devices"}, "opción desconocida --bogus"},
        {{"-x", "devices"}, "opción desconocida -x"},
        {{"-G", "devices"}, "opción desconocida -G"},
        {{"write"}, "write necesita IN"},
        {{"convert", "in.hex"}, "convert necesita IN OUT"},
        {{"blank", "extra"}, "demasiados argumentos para blank"},
        {{"--adapter", "usb", "blank"}, "adaptador desconocido 'usb'"},
        {{"--ident", "12345678123456781", "info"}, "identificador '12345678123456781'"},
        {{"--ident", "xyz", "info"}, "identificador 'xyz'"},
        {{"--quiet=1", "devices"}, "no admite valor"},
        {{"devices", "-d"}, "necesita un valor"},
    };
    for (const auto& [args, message] : cases) {
        const CliResult r = RunCli(args, Env());
        EXPECT_EQ(r.status, 2) << args.size() << " " << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << message;
    }
}

TEST_F(Cli, HelpGoesToStandardOutputAndSucceeds) {
    const CliResult r = RunCli({"--help"}, Env());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Uso: pravik-cli"), std::string::npos);
    EXPECT_NE(r.out.find("unprotect"), std::string::npos);
}

TEST_F(Cli, UnknownDeviceIsAUsageError) {
    const CliResult r = Run({"-d", "PIC99X", "info"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Dispositivo desconocido: PIC99X\n");
    EXPECT_TRUE(r.out.empty());
}

TEST_F(Cli, DevicesListsTheShippedFileInOrder) {
    const std::string expected = PicSections(ShippedIni());
    ASSERT_GT(Count(expected, "\n"), 40);
    const CliResult r = Run({"devices"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected);
    // The build puts the device file beside the executable, where it is looked for.
    const CliResult beside = RunCli({"devices"}, Env());
    EXPECT_EQ(beside.status, 0);
    EXPECT_EQ(beside.out, expected);
}

TEST_F(Cli, MissingDeviceFileFails) {
    const CliResult r = RunCli({"--ini", dir.File("none.ini"), "devices"}, Env());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("none.ini"), std::string::npos);
}

TEST_F(Cli, InfoPrintsTheRecordOfTheDeviceNamedInAnyCase) {
    const CliResult r = Run({"info", "--device=pic16f876a"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out,
        "DeviceName=PIC16F876A\nFamily=16\nProgMem=8192\nEEProm=256\nProgBits=14\n"
        "RAM=368\nConfigStart=0x2000\nEEPromStart=0x2100\nProgramming=Flash2\n"
        "Algoritmo=DS39589\nWBufSize=8\nDeviceID=0x0E00\nDeviceIDMask=0x3FE0\nPalConfMask=$2FCF\n");
    const CliResult f18 = Run({"-dPIC18F452", "info"});
    EXPECT_NE(f18.out.find("Family=18\nProgMem=32768\nEEProm=256\n"), std::string::npos);
    EXPECT_NE(f18.out.find("Programming=18fxx2xx8\n"), std::string::npos);
}

TEST_F(Cli, DeviceDefaultsToTheWindowsRememberedOneAndIsNotRemembered) {
    EXPECT_EQ(Run({"info"}).status, 2); // nothing remembered yet
    const std::string conf = dir.File("config/Pravik/Pravik.conf");
    std::filesystem::create_directories(dir.File("config/Pravik"));
    dir.Write("config/Pravik/Pravik.conf", "[Config]\nlastpic=PIC16F628\n");
    const CliResult r = Run({"info"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("DeviceName=PIC16F628\n", 0), 0u) << r.out;
    // A script naming another device leaves the window's choice as it was.
    EXPECT_EQ(Run({"-d", "PIC16F84A", "info"}).status, 0);
    EXPECT_EQ(ReadFile(conf), "[Config]\nlastpic=PIC16F628\n");
}
