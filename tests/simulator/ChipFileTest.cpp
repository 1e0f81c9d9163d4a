#include "simulator/ChipFile.h"
#include "Chips.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace Sim;

namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

constexpr Space AllSpaces[] = {Space::Program, Space::Eeprom,   Space::Id,
                               Space::Config,  Space::DeviceId, Space::Calibration};

void Scribble(Target& chip) {
    for (Space s : AllSpaces) {
        for (uint32_t i = 0; i < chip.Size(s); ++i) {
            chip.Poke(s, i, (i * 2654435761u) >> 7 ^ static_cast<uint32_t>(s));
        }
    }
}

void ExpectSame(const Target& a, const Target& b) {
    for (Space s : AllSpaces) {
        ASSERT_EQ(a.Size(s), b.Size(s));
        for (uint32_t i = 0; i < a.Size(s); ++i) {
            ASSERT_EQ(a.Peek(s, i), b.Peek(s, i)) << "space " << static_cast<int>(s) << " " << i;
        }
    }
}

TEST(ChipFile, EveryCellSurvivesASaveAndLoadForBothFamilies) {
    for (const DeviceRecord& device : {F877(), F452(), F635(), F887()}) {
        const std::string path = TempPath("pravik-chip-roundtrip.hex");
        auto saved = MakeTarget(device);
        Scribble(*saved);
        std::string error;
        ASSERT_TRUE(SaveChip(*saved, path, error)) << error;
        EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
        auto loaded = MakeTarget(device);
        ASSERT_TRUE(LoadChip(*loaded, path, error)) << error;
        ExpectSame(*saved, *loaded);
        std::filesystem::remove(path);
    }
}

TEST(ChipFile, UsesTheAssemblersAddresses) {
    const std::string path = TempPath("pravik-chip-layout.hex");
    {
        std::ofstream out(path);
        out << ":020000040000FA\n"
               ":02400E00723FFF\n" // configuration word 3F72
               ":02420000AB0011\n" // EEPROM byte 0 = AB
               ":00000001FF\n";
    }
    auto chip = MakeTarget(F877());
    std::string error;
    ASSERT_TRUE(LoadChip(*chip, path, error)) << error;
    EXPECT_EQ(chip->Peek(Space::Config, 0), 0x3F72u);
    EXPECT_EQ(chip->Peek(Space::Eeprom, 0), 0xABu);
    EXPECT_EQ(chip->Peek(Space::Program, 0), 0x3FFFu) << "cells not in the file keep their value";
    std::filesystem::remove(path);
}

// 4010h is the 16F87/88's CONFIG2 and the DS41287C's, the DS41204G's calibration word
// 2008h; 4012h is the calibration word at 2009h.
TEST(ChipFile, WordsAt2008hAnd2009hKeepTheirMeaningPerPart) {
    const std::string path = TempPath("pravik-chip-calibration.hex");
    {
        std::ofstream out(path);
        out << ":044010000300120097\n" // 2008h = 0003, 2009h = 0012
               ":00000001FF\n";
    }
    std::string error;
    auto f88 = MakeTarget(Device("PIC16F88", 16, 4096, 256, "Flash2"));
    auto f635 = MakeTarget(F635());
    auto f887 = MakeTarget(F887());
    for (Target* chip : {f88.get(), f635.get(), f887.get()}) {
        ASSERT_TRUE(LoadChip(*chip, path, error)) << error;
    }
    EXPECT_EQ(f88->Peek(Space::Config, 1), 0x3FFFu) << "CONFIG2: bits 1-0 of 0003";
    EXPECT_EQ(f635->Peek(Space::Calibration, 0), 0x0003u);
    EXPECT_EQ(f635->Peek(Space::Calibration, 1), 0x0012u);
    EXPECT_EQ(f887->Peek(Space::Config, 1), 0x38FFu) << "CONFIG2: bits 10-8 of 0003";
    EXPECT_EQ(f887->Peek(Space::Calibration, 0), 0x2012u);
    std::filesystem::remove(path);
}

TEST(ChipFile, MalformedFileChangesNothing) {
    const std::string path = TempPath("pravik-chip-bad.hex");
    {
        std::ofstream out(path);
        out << ":020000003412B8\n" // program word 0 = 1234, valid
               ":02000200785633\n" // bad checksum (2E would be right)
               ":00000001FF\n";
    }
    auto chip = MakeTarget(F877());
    std::string error;
    EXPECT_FALSE(LoadChip(*chip, path, error));
    EXPECT_NE(error.find("línea 2"), std::string::npos) << error;
    EXPECT_EQ(chip->Peek(Space::Program, 0), 0x3FFFu);
    EXPECT_FALSE(LoadChip(*chip, TempPath("pravik-no-such-file.hex"), error));
    std::filesystem::remove(path);
}

} // namespace
