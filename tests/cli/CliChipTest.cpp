// Chip commands on simulated chips kept in files between runs.
#include "cli/CliFixture.h"
#include "common/SettingsStore.h"
#include "image/HexWriter.h"
#include "simulator/ChipFile.h"
#include "simulator/MakeTarget.h"
#include "workbench/DeviceSelection.h"

#include <cstdlib>
#include <filesystem>

namespace {

const char* const kDone = "Operación Completada.\n";

std::string SmallHex(const std::string& words) {
    return HexRecord(0, "00", words) + "\r\n:00000001FF\r\n";
}

} // namespace

TEST_F(Cli, Family16WriteReadVerifyThroughTheChipFile) {
    const std::vector<std::string> write = {"-peci", "--ident", "beef", "write",
                                            Fixture("f84a.hex")};
    const CliResult written = OnChip("PIC16F84A", write);
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.err, kDone);
    auto chip = LoadedChip("PIC16F84A", Chip());
    EXPECT_EQ(chip->Peek(Sim::Space::Program, 0), 0x2805u);
    EXPECT_EQ(chip->Peek(Sim::Space::Program, 4), 0x0009u);
    EXPECT_EQ(chip->Peek(Sim::Space::Id, 0), 0x3F8Fu); // low digit of BEEF
    EXPECT_EQ(chip->Peek(Sim::Space::Eeprom, 3), 0x4Bu);
    EXPECT_EQ(chip->Peek(Sim::Space::Config, 0), 0x3FF2u);

    const CliResult verify =
        OnChip("PIC16F84A", {"-peci", "--ident", "BEEF", "verify", Fixture("f84a.hex")});
    EXPECT_EQ(verify.status, 0) << verify.err;
    EXPECT_EQ(verify.err, kDone);

    // A full read gives back what converting the file gives: every cell, the
    // identifier, the configuration word and the EEPROM came through the chip.
    const std::string back = dir.File("back.hex");
    const CliResult read = OnChip("PIC16F84A", {"-peci", "read", back});
    EXPECT_EQ(read.status, 0) << read.err;
    const std::string converted = dir.File("converted.hex");
    ASSERT_EQ(Run({"-d", "PIC16F84A", "--ident", "BEEF", "convert", Fixture("f84a.hex"), converted})
                  .status,
              0);
    EXPECT_EQ(ReadFile(back), ReadFile(converted));
    // The read file verifies against the chip in turn.
    EXPECT_EQ(OnChip("PIC16F84A", {"-peci", "verify", back}).status, 0);
}

// Every memory of a PIC18: program, IDs, configuration and EEPROM written from a file,
// read back into a file of the compilers' layout, and that file verifies the chip.
TEST_F(Cli, Family18EveryMemoryThroughTheChipFile) {
    const CliResult write = OnChip("PIC18F452", {"-peci", "write", Fixture("f452.hex")});
    EXPECT_EQ(write.status, 0) << write.err;
    auto chip = LoadedChip("PIC18F452", Chip());
    EXPECT_EQ(chip->Peek(Sim::Space::Program, 1), 0xEFu);
    EXPECT_EQ(chip->Peek(Sim::Space::Program, 0x7FF7), 0x08u);
    EXPECT_EQ(chip->Peek(Sim::Space::Config, 3), 0x0Eu); // CONFIG2H from the file
    EXPECT_EQ(chip->Peek(Sim::Space::Id, 7), 0x08u);
    EXPECT_EQ(chip->Peek(Sim::Space::Eeprom, 2), 0x33u);

    EXPECT_EQ(OnChip("PIC18F452", {"-peci", "verify", Fixture("f452.hex")}).status, 0);
    const CliResult blank = OnChip("PIC18F452", {"blank"});
    EXPECT_EQ(blank.status, 1);
    EXPECT_EQ(blank.err, "Error de borrado en 0000\n");

    const std::string back = dir.File("back.hex");
    const CliResult read = OnChip("PIC18F452", {"-peci", "read", back});
    ASSERT_EQ(read.status, 0) << read.err;
    const std::string text = ReadFile(back);
    EXPECT_NE(text.find(":020000040020DA\r\n:080000000102030405060708D4\r\n"), std::string::npos);
    EXPECT_NE(text.find(":0200000400F00A\r\n:10000000112233FF"), std::string::npos);
    const CliResult again = OnChip("PIC18F452", {"-peci", "verify", back});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(std::system(("srec_cat " + back + " -intel -o /dev/null -intel").c_str()), 0);

    // An ID given on the command line replaces the file's eight bytes.
    EXPECT_EQ(OnChip("PIC18F452", {"-i", "--ident", "A1B2", "verify", back}).status, 1);
}

TEST_F(Cli, FailingVerifyExitsWithOneAndNamesTheAddress) {
    ASSERT_EQ(OnChip("PIC16F84A", {"write", Fixture("f84a.hex")}).status, 0);
    // f84a.hex with word 4 changed from 0009 to 0008.
    std::string text = ReadFile(Fixture("f84a.hex"));
    const std::string line = ":08000800090083168601831232";
    text.replace(text.find(line), line.size(), HexRecord(8, "00", "0800831686018312"));
    const CliResult r = OnChip("PIC16F84A", {"verify", dir.Write("changed.hex", text)});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error verificando en 0004. Compruebe modo programación y dispositivo.\n");
}

TEST_F(Cli, BlankChecksTheWholeChipWithoutAFile) {
    EXPECT_EQ(OnChip("PIC16F84A", {"-peci", "blank"}).err, kDone); // a fresh chip
    // The last word of program memory, far beyond anything a small file would load.
    const std::string last = HexRecord(2 * 1023, "00", "0000") + "\r\n:00000001FF\r\n";
    ASSERT_EQ(OnChip("PIC16F84A", {"write", dir.Write("last.hex", last)}).status, 0);
    const CliResult r = OnChip("PIC16F84A", {"blank"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error de borrado en 03FF\n");
}

TEST_F(Cli, EraseAndUnprotectRefuseWithoutYes) {
    ASSERT_EQ(OnChip("PIC16F84A", {"write", Fixture("f84a.hex")}).status, 0);
    const std::string before = ReadFile(Chip());
    const CliResult erase = OnChip("PIC16F84A", {"erase"});
    EXPECT_EQ(erase.status, 1);
    EXPECT_EQ(erase.err.rfind("Se borrará todo el contenido del programa. ¿Desea continuar?\n", 0),
              0u);
    EXPECT_NE(erase.err.find("--yes"), std::string::npos);
    const CliResult unprotect = OnChip("PIC16F84A", {"unprotect"});
    EXPECT_EQ(unprotect.status, 1);
    EXPECT_EQ(ReadFile(Chip()), before);

    const CliResult yes = OnChip("PIC16F84A", {"--yes", "erase"});
    EXPECT_EQ(yes.status, 0);
    EXPECT_NE(yes.err.find("Programa borrado.\n"), std::string::npos);
    EXPECT_EQ(OnChip("PIC16F84A", {"blank"}).status, 0);
}

TEST_F(Cli, WriteRunsTheSequenceOfTheProgrammingKind) {
    const std::string hex = dir.Write("small.hex", SmallHex("05280900"));
    // One-time-programmable: a blank check, then the write; a second write finds the
    // chip no longer blank and writes nothing.
    const CliResult otp = OnChip("PIC16C71", {"write", hex});
    EXPECT_EQ(otp.status, 0) << otp.err;
    EXPECT_EQ(Count(otp.err, kDone), 2);
    const CliResult again = OnChip("PIC16C71", {"write", hex});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "Error de borrado en 0000\n");
    // Flash1 parts are verified after the write.
    std::filesystem::remove(Chip());
    const CliResult flash1 = OnChip("PIC16F73", {"write", hex});
    EXPECT_EQ(flash1.status, 0) << flash1.err;
    EXPECT_EQ(Count(flash1.err, kDone), 2);
}

TEST_F(Cli, ChipFileProblems) {
    dir.Write("chip.hex", "not a hex file\n");
    const CliResult bad = OnChip("PIC16F84A", {"blank"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("fichero de chip"), std::string::npos);
    EXPECT_EQ(ReadFile(Chip()), "not a hex file\n");
    // The shipped device file names the real port: a chip file makes no sense there.
    EXPECT_EQ(Run({"-d", "PIC16F84A", "--chip", Chip(), "blank"}).status, 2);
}

TEST_F(Cli, AdapterComesFromTheDeviceFile) {
    std::string ini = ReadFile(ShippedIni());
    ini.replace(ini.find("adapter=parport"), 15, "adapter=simulator");
    const std::string path = dir.Write("sim.ini", ini);
    const CliResult r = RunCli({"--ini", path, "-d", "PIC16F84A", "blank"}, Env());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, kDone);
}

TEST_F(Cli, ProgressLineOnlyOnATerminalAndNotWhenQuiet) {
    const std::vector<std::string> args = {"--ini", ShippedIni(), "--adapter", "simulator",
                                           "-d",    "PIC18F452",  "write",     Fixture("f452.hex")};
    const CliResult piped = RunCli(args, Env());
    EXPECT_EQ(piped.err, kDone);
    const CliResult terminal = RunCliOnTerminal(args, Env());
    EXPECT_EQ(terminal.status, 0);
    EXPECT_NE(terminal.err.find("\rEscribiendo Programa mientras verifica....  7FE0  99%"),
              std::string::npos);
    EXPECT_NE(terminal.err.find("Operación Completada."), std::string::npos);
    std::vector<std::string> quiet = args;
    quiet.push_back("--quiet");
    const CliResult still = RunCliOnTerminal(quiet, Env());
    EXPECT_EQ(still.status, 0);
    EXPECT_EQ(still.err.find("Escribiendo"), std::string::npos);
    EXPECT_NE(still.err.find("Operación Completada."), std::string::npos);
}

// The chip's device ID names the device; an empty socket or another device's chip
// stops every chip command unless --force says to go on.
TEST_F(Cli, DetectEmptySocketAndForeignChip) {
    const CliResult detect = OnChip("PIC16F876A", {"detect"});
    EXPECT_EQ(detect.status, 0) << detect.err;
    EXPECT_EQ(detect.out, "ID=0E03\nPIC16F876A (revisión 3)\n");

    const CliResult empty = OnChip("PIC16F876A", {"--empty-socket", "write", Fixture("f876a.hex")});
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("No responde ningún PIC (ID leído: 3FFF)"), std::string::npos);
    EXPECT_EQ(OnChip("PIC16F876A", {"--empty-socket", "detect"}).status, 1);
    EXPECT_EQ(Run({"-d", "PIC16F84A", "--empty-socket", "blank"}).status, 2); // real port

    // chip.hex now holds a PIC16F876A: as a PIC16F877A it is refused, then forced.
    const CliResult refused = OnChip("PIC16F877A", {"write", Fixture("f876a.hex")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("El dispositivo conectado no parece un PIC16F877A (ID 0E00, "
                               "revisión 3). ¿Desea continuar?"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(LoadedChip("PIC16F876A", Chip())->Peek(Sim::Space::Program, 0), 0x3FFFu);
    const CliResult forced = OnChip("PIC16F877A", {"--force", "write", Fixture("f876a.hex")});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_NE(LoadedChip("PIC16F876A", Chip())->Peek(Sim::Space::Program, 0), 0x3FFFu);
}
