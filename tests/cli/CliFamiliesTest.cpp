// The parts of DS41191D, DS41204G and DS41287C through pravik-cli on their simulated
// chips: every command, with the chip's factory calibration unchanged; protection; a lost
// OSCCAL and the one given instead; the programming-voltage limit.
#include "cli/CliFixture.h"
#include "common/HexText.h"
#include "common/SettingsStore.h"
#include "image/HexWriter.h"
#include "simulator/ChipFile.h"
#include "simulator/MakeTarget.h"
#include "workbench/DeviceSelection.h"

#include <filesystem>

namespace {

const char* const kDone = "Operación Completada.\n";

// The calibration a chip keeps: OSCCAL and the band-gap bits, or the calibration words.
std::vector<uint32_t> CalibrationOf(Sim::Target& chip, int32_t words) {
    std::vector<uint32_t> c;
    if (chip.Size(Sim::Space::Calibration) == 0) {
        c.push_back(chip.Peek(Sim::Space::Program, static_cast<uint32_t>(words - 1)));
        c.push_back(chip.Peek(Sim::Space::Config, 0) & 0x3000);
    }
    for (uint32_t i = 0; i < chip.Size(Sim::Space::Calibration); ++i) {
        c.push_back(chip.Peek(Sim::Space::Calibration, i));
    }
    return c;
}

// A whole program memory of `words` words, 3FFFh in the last one (the unused OSCCAL word
// of a compiler's file), IDs, the configuration word and two EEPROM bytes.
std::string FullImage(int32_t words) {
    std::string text;
    for (int32_t w = 0; w < words; w += 8) {
        std::string row;
        for (int32_t k = 0; k < 8; ++k) {
            row += w + k == words - 1 ? "FF3F" : "8A30";
        }
        text += HexRecord(static_cast<uint32_t>(2 * w), "00", row) + "\n";
    }
    return text + HexRecord(0x4000, "00", "0100020003000400") + "\n" +
           HexRecord(0x4200, "00", "5A00A500") + "\n:00000001FF\n";
}

} // namespace

TEST_F(Cli, NewFamiliesRunEveryCommandAndKeepTheirCalibration) {
    struct Case {
        const char* device;
        int32_t words;
    };
    for (const Case& c :
         {Case{"PIC12F675", 1024}, Case{"PIC16F690", 4096}, Case{"PIC16F887", 8192}}) {
        std::filesystem::remove(Chip());
        const std::vector<uint32_t> factory = CalibrationOf(*LoadedChip(c.device, Chip()), c.words);
        const std::string hex = dir.Write("full.hex", FullImage(c.words));
        auto run = [&](std::vector<std::string> args) {
            args.insert(args.begin(), "--force"); // the 12 V PIC16F887 on a 13 V adapter
            return OnChip(c.device, args);
        };
        const CliResult write = run({"-peci", "write", hex});
        EXPECT_EQ(write.status, 0) << c.device << write.err;
        EXPECT_EQ(run({"-peci", "verify", hex}).status, 0) << c.device;
        const CliResult read = run({"-peci", "read", dir.File("back.hex")});
        EXPECT_EQ(read.status, 0) << c.device << read.err;
        EXPECT_EQ(run({"-peci", "verify", dir.File("back.hex")}).status, 0) << c.device;
        EXPECT_EQ(run({"--yes", "erase"}).status, 0) << c.device;
        EXPECT_EQ(run({"--yes", "unprotect"}).status, 0) << c.device;
        const CliResult blank = run({"-peci", "blank"});
        EXPECT_EQ(blank.status, 0) << c.device << blank.err;
        auto chip = LoadedChip(c.device, Chip());
        EXPECT_EQ(CalibrationOf(*chip, c.words), factory) << c.device;
    }
}

// DS41191D under CP: program memory reads zeros, but for OSCCAL, and the read says why.
TEST_F(Cli, ProtectedTwelveF675ReadsZerosButItsOscillatorCalibration) {
    {
        auto chip = LoadedChip("PIC12F675", Chip());
        chip->Poke(Sim::Space::Program, 0, 0x2805);
        chip->Poke(Sim::Space::Config, 0, chip->Peek(Sim::Space::Config, 0) & ~0x80u); // CP
        std::string error;
        ASSERT_TRUE(Sim::SaveChip(*chip, Chip(), error)) << error;
    }
    const uint32_t osccal = LoadedChip("PIC12F675", Chip())->Peek(Sim::Space::Program, 0x3FF);
    const CliResult read = OnChip("PIC12F675", {"read", "-"});
    EXPECT_EQ(read.status, 0) << read.err;
    const std::string zeros(64, '0');
    EXPECT_NE(read.out.find(HexRecord(0, "00", zeros)), std::string::npos) << read.out;
    const std::string last = zeros.substr(4) + Hex(osccal & 0xFF, 2) + Hex(osccal >> 8, 2);
    EXPECT_NE(read.out.find(HexRecord(0x7E0, "00", last)), std::string::npos) << "OSCCAL read";
    EXPECT_NE(read.err.find("tiene la protección de código activada"), std::string::npos);
}

// An OSCCAL that is no RETLW is named before anything is erased and never written back;
// the value the user gives is written instead.
TEST_F(Cli, LostOscillatorCalibrationIsReportedAndTheGivenOneWritten) {
    {
        auto chip = LoadedChip("PIC12F629", Chip());
        chip->Poke(Sim::Space::Program, 0x3FF, 0x3FFF);
        std::string error;
        ASSERT_TRUE(Sim::SaveChip(*chip, Chip(), error)) << error;
    }
    const CliResult reported = OnChip("PIC12F629", {"--yes", "erase"});
    EXPECT_NE(reported.err.find("se lee como 3FFF, que no es una instrucción RETLW"),
              std::string::npos)
        << reported.err;
    EXPECT_EQ(LoadedChip("PIC12F629", Chip())->Peek(Sim::Space::Program, 0x3FF), 0x3FFFu);

    EXPECT_EQ(OnChip("PIC12F629", {"--osccal", "12", "--yes", "erase"}).status, 2); // no RETLW
    EXPECT_EQ(OnChip("PIC16F690", {"--osccal", "3480", "--yes", "erase"}).status, 2);
    const CliResult given =
        OnChip("PIC12F629", {"--osccal", "3480", "--bg", "2", "--yes", "erase"});
    EXPECT_EQ(given.status, 0) << given.err;
    auto chip = LoadedChip("PIC12F629", Chip());
    EXPECT_EQ(chip->Peek(Sim::Space::Program, 0x3FF), 0x3480u);
    EXPECT_EQ(chip->Peek(Sim::Space::Config, 0) & 0x3000, 0x2000u);
}

// A 13 V adapter on a part that takes 12 V: refused unless --force; a chip that does not
// answer is reported with what keeps these parts out of programming mode.
TEST_F(Cli, ProgrammingVoltageAboveThePartsMaximumNeedsForce) {
    const CliResult refused = OnChip("PIC16F887", {"-p", "blank"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.rfind("El PIC16F887 admite como máximo 12 V en MCLR y el adaptador da "
                                "13 V. ¿Desea continuar?\n",
                                0),
              0u)
        << refused.err;
    EXPECT_EQ(OnChip("PIC16F887", {"--force", "-p", "blank"}).status, 0);
    const CliResult empty = OnChip("PIC16F690", {"--empty-socket", "-p", "blank"});
    EXPECT_NE(empty.err.find("solo entra en programación si el adaptador da VPP antes que VDD"),
              std::string::npos)
        << empty.err;
}
