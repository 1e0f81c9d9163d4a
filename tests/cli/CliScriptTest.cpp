// pravik-cli as scripts use it: files named with the reason they fail, before the chip
// is touched; usage errors exit 2; the chip names the device when none is given; "-" for
// standard input and output; one command at a time on a chip file; Ctrl-C.
#include "cli/CliFixture.h"
#include "image/HexWriter.h"

#include <csignal>
#include <filesystem>
#include <thread>

#include <unistd.h>

namespace {

const char* const kDone = "Operación Completada.\n";

// Every word of a PIC16F877A's program memory, `word` throughout.
std::string FullImage16(const std::string& word) {
    std::string text;
    std::string row;
    for (int i = 0; i < 8; ++i) {
        row += word;
    }
    for (uint32_t address = 0; address < 2 * 8192; address += 16) {
        text += HexRecord(address, "00", row) + "\n";
    }
    return text + ":00000001FF\n";
}

bool HasEnglish(const std::string& text) {
    for (const char* word : {"Try", "cannot", "error:", "malformed", "No such", "denied"}) {
        if (text.find(word) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

// A file that cannot be read or created is named, with the reason, before anything is
// sent to the chip: a finished read is never followed by "cannot create the file".
TEST_F(Cli, FilesAreCheckedBeforeTheChip) {
    const CliResult missing = OnChip("PIC16F84A", {"write", dir.File("missing.hex")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "No se puede leer el fichero HEX '" + dir.File("missing.hex") + "': no existe.\n");
    const CliResult folder = OnChip("PIC16F84A", {"read", dir.Path()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err, "No se puede crear el fichero '" + dir.Path() + "': es un directorio.\n");
    const std::string nowhere = dir.File("no/such/back.hex");
    const CliResult gone = OnChip("PIC16F84A", {"read", nowhere});
    EXPECT_EQ(gone.err, "No se puede crear el fichero '" + nowhere + "': la carpeta no existe.\n");
    EXPECT_FALSE(std::filesystem::exists(Chip())) << "the chip was not even opened";
}

// Every message is Spanish, and every bad value of an option is a usage error.
TEST_F(Cli, UsageErrorsAndChipFileFaultsSpeakSpanish) {
    const CliResult usage = Run({"--bogus", "devices"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("Pruebe 'pravik-cli --help'."), std::string::npos);
    for (const char* ident : {"12345", "XYZ"}) {
        const CliResult r = OnChip("PIC16F84A", {"--ident", ident, "write", Fixture("f84a.hex")});
        EXPECT_EQ(r.status, 2) << ident << r.err;
        EXPECT_NE(r.err.find(std::string("identificador '") + ident + "'"), std::string::npos);
    }
    EXPECT_EQ(Run({"-d", "PIC16F84A", "--ident", "12345", "convert", Fixture("f84a.hex"),
                   dir.File("o.hex")})
                  .status,
              2);
    dir.Write("chip.hex", ":0200000034\n");
    const CliResult badChip = OnChip("PIC16F84A", {"blank"});
    EXPECT_EQ(badChip.status, 1);
    EXPECT_NE(badChip.err.find("registro mal formado en la línea 1"), std::string::npos);
    const std::string nowhere = dir.File("no/such/chip.hex");
    const CliResult noFolder =
        Run({"--adapter", "simulator", "--chip", nowhere, "-d", "PIC16F84A", "blank"});
    EXPECT_EQ(noFolder.status, 1);
    for (const CliResult* r : {&usage, &badChip, &noFolder}) {
        EXPECT_FALSE(HasEnglish(r->err)) << r->err;
    }
}

// Without a device the chip says which it is: family 16 first, then family 18; read,
// write and verify go on with the one device named.
TEST_F(Cli, TheChipNamesTheDeviceWhenNoneIsGiven) {
    ASSERT_EQ(OnChip("PIC16F84A", {"write", Fixture("f84a.hex")}).status, 0);
    const std::vector<std::string> sim = {"--adapter", "simulator", "--chip", Chip()};
    auto onChip = [&](std::vector<std::string> args) {
        args.insert(args.begin(), sim.begin(), sim.end());
        return Run(args);
    };
    const CliResult detect16 = onChip({"detect"});
    EXPECT_EQ(detect16.status, 0) << detect16.err;
    EXPECT_EQ(detect16.out, "ID=0563\nPIC16F84A (revisión 3)\n");
    const CliResult verify = onChip({"verify", Fixture("f84a.hex")});
    EXPECT_EQ(verify.status, 0) << verify.err;
    EXPECT_EQ(verify.err, "pravik-cli: detectado PIC16F84A (ID=0563)\n" + std::string(kDone));

    std::filesystem::remove(Chip());
    ASSERT_EQ(OnChip("PIC18F452", {"-peci", "write", Fixture("f452.hex")}).status, 0);
    const CliResult detect18 = onChip({"detect"});
    EXPECT_EQ(detect18.status, 0) << detect18.err;
    EXPECT_EQ(detect18.out.rfind("ID=04", 0), 0u) << detect18.out;
    EXPECT_NE(detect18.out.find("PIC18F452 (revisión"), std::string::npos);
    const CliResult read = onChip({"-d", "auto", "-peci", "read", dir.File("back.hex")});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(onChip({"-peci", "verify", dir.File("back.hex")}).status, 0);

    const CliResult empty = onChip({"--empty-socket", "detect"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("No responde ningún PIC"), std::string::npos);
    // Nothing says which chip a simulator without a chip file holds.
    std::filesystem::remove(Chip());
    EXPECT_EQ(Run({"--adapter", "simulator", "detect"}).status, 2);
}

// "-" reads the image from standard input and writes it to standard output.
TEST_F(Cli, DashIsStandardInputAndOutput) {
    const CliResult converted =
        RunCli({"--ini", ShippedIni(), "-d", "PIC16F84A", "convert", "-", "-"}, Env(),
               Fixture("f84a.hex"));
    EXPECT_EQ(converted.status, 0) << converted.err;
    const std::string file = dir.File("converted.hex");
    ASSERT_EQ(Run({"-d", "PIC16F84A", "convert", Fixture("f84a.hex"), file}).status, 0);
    EXPECT_EQ(converted.out, ReadFile(file));

    const std::vector<std::string> write = {"--ini",  ShippedIni(), "--adapter", "simulator",
                                            "--chip", Chip(),       "-d",        "PIC16F84A",
                                            "-peci",  "write",      "-"};
    EXPECT_EQ(RunCli(write, Env(), Fixture("f84a.hex")).status, 0);
    const CliResult read = OnChip("PIC16F84A", {"-peci", "read", "-"});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, converted.out);
}

// Two commands on one chip file: the second waits for the first, so neither's work is
// lost (program memory from one, EEPROM from the other), and the file is always whole.
TEST_F(Cli, TwoCommandsOnOneChipFileTakeTurns) {
    const std::string program = dir.Write("program.hex", FullImage16("0528"));
    const std::string eeprom =
        dir.Write("eeprom.hex", HexRecord(0x4200, "00", "5A00A500") + "\n:00000001FF\n");
    for (int round = 0; round < 3; ++round) {
        std::filesystem::remove(Chip());
        const std::vector<std::string> base = {"--ini",  ShippedIni(), "--adapter", "simulator",
                                               "--chip", Chip(),       "-d",        "PIC16F877A"};
        std::vector<std::string> first = base;
        first.insert(first.end(), {"-p", "write", program});
        std::vector<std::string> second = base;
        second.insert(second.end(), {"-e", "write", eeprom});
        RunningCli a = StartCli(first, Env());
        RunningCli b = StartCli(second, Env());
        const CliResult ra = FinishCli(a);
        const CliResult rb = FinishCli(b);
        ASSERT_EQ(ra.status, 0) << ra.err;
        ASSERT_EQ(rb.status, 0) << rb.err;
        const CliResult back = OnChip("PIC16F877A", {"-pe", "read", "-"});
        ASSERT_EQ(back.status, 0) << back.err;
        std::string words;
        for (int i = 0; i < 16; ++i) {
            words += "0528";
        }
        EXPECT_NE(back.out.find(HexRecord(0x3FE0, "00", words)), std::string::npos)
            << "program memory of the first command lost";
        EXPECT_NE(back.out.find("5A00A500"), std::string::npos) << "EEPROM of the second lost";
        EXPECT_FALSE(std::filesystem::exists(Chip() + ".lock"));
    }
}

// Ctrl-C at any moment: a command that completed saved its chip and exits 0; one that was
// interrupted says so, leaves the chip file as it was, and exits 1.
TEST_F(Cli, CtrlCEitherCompletesOrLeavesTheChipAsItWas) {
    const std::string program = dir.Write("program.hex", FullImage16("0528"));
    const std::vector<std::string> args = {"--ini",  ShippedIni(), "--adapter", "simulator",
                                           "--chip", Chip(),       "-d",        "PIC16F877A",
                                           "-p",     "write",      program};
    for (int delayMs = 0; delayMs < 120; delayMs += 8) {
        std::filesystem::remove(Chip());
        ASSERT_EQ(OnChip("PIC16F877A", {"blank"}).status, 0);
        const std::string before = ReadFile(Chip());
        RunningCli running = StartCli(args, Env());
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        kill(running.pid, SIGINT);
        const CliResult r = FinishCli(running);
        const std::string after = ReadFile(Chip());
        if (r.status == 0) {
            EXPECT_EQ(r.err, kDone) << delayMs;
            EXPECT_NE(after, before) << delayMs;
        } else {
            // Killed before the command began, or interrupted: the chip file is untouched.
            EXPECT_TRUE(r.status == 1 || r.status == -1) << delayMs << " " << r.status;
            EXPECT_EQ(r.err.find("Operación Completada."), std::string::npos) << r.err;
            EXPECT_EQ(after, before) << delayMs;
            if (r.status == 1) {
                EXPECT_NE(r.err.find("Acción interrumpida."), std::string::npos) << r.err;
            }
        }
    }
}
