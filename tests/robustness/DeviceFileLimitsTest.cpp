#include "devices/DeviceFile.h"
#include "devices/IniFile.h"
#include "image/HexTestSupport.h"
#include "image/HexWriter.h"
#include "support/TempDir.h"
#include "workbench/DeviceSelection.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

struct Selected {
    DeviceRecord record;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    MemorySettingsStore settings;
    SelectionResult result;

    Selected(const std::string& name, const std::string& iniPath) {
        result = SelectDevice(name, iniPath, {record, image, config16, config18, settings});
    }
};

const char* kLimits = "[Config]\nport=0x378\n"
                      "[PIC18FHUGE]\nProgMem=2097152\nEEProm=1024\n"
                      "[PIC16FHUGE]\nProgMem=2097152\nEEProm=256\n"
                      "[PIC16FNEG]\nProgMem=-1\nEEProm=-1\nProgBits=-1\n"
                      "[PIC16FOVER]\nProgMem=2097153\nEEProm=$7FFFFFFF\nProgBits=17\n";

} // namespace

// The largest address space of either family selects at once into a grid of that size,
// and a record at its very last byte is stored.
TEST(DeviceFileLimits, LargestFamily18MemorySelectsAndTakesItsLastByte) {
    TempDir dir;
    const std::string ini = dir.Write("Pravik.ini", kLimits);
    const auto start = std::chrono::steady_clock::now();
    Selected s("PIC18FHUGE", ini);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("[   INFO   ] selecting a 2097152-byte device took %.1f ms\n", ms);
    ASSERT_TRUE(s.result.accepted);
    EXPECT_EQ(s.record.ProgMem, 2097152);
    EXPECT_EQ(s.image.HexEditG.Size(), 2097152);
    EXPECT_EQ(s.image.HexEditG.Cell(0, s.image.HexEditG.RowCount() - 1), "1FFFF0");

    HexBench b;
    b.device = s.record;
    b.Load(HexRecord(0, "04", "001F") + "\n" + HexRecord(0xFFFF, "00", "A5") + "\n");
    EXPECT_TRUE(b.messages.log.empty());
    EXPECT_EQ(b.image.HexEditG.At(0x1FFFFF), "A5");
    EXPECT_EQ(b.image.ProgUsed, 2097152);
}

// A family 16 device of 2097152 words reaches byte addresses far past 16 bits: the save
// must still consist of valid records and load back to the same words.
TEST(DeviceFileLimits, LargestFamily16MemorySavesAndLoadsBack) {
    TempDir dir;
    const std::string ini = dir.Write("Pravik.ini", kLimits);
    Selected s("PIC16FHUGE", ini);
    ASSERT_TRUE(s.result.accepted);
    ASSERT_EQ(s.image.HexEditG.Size(), 2097152);
    s.image.HexEditG.SetAt(0x8000, "1234");
    s.image.HexEditG.SetAt(0x1FFFFF, "0ABC");
    HexImage hex = BuildHexLines(s.record, s.image, 0x3FFF);
    ASSERT_TRUE(hex.error.empty()) << hex.error;
    for (const std::string& line : hex.lines) {
        ASSERT_LE(line.size(), 11u + 64) << line;
    }

    HexBench b;
    b.device = s.record;
    std::string text;
    for (const std::string& line : hex.lines) {
        text += line + "\r\n";
    }
    b.Load(text);
    EXPECT_TRUE(b.messages.log.empty());
    EXPECT_EQ(b.image.HexEditG.At(0x7FFF), "3FFF");
    EXPECT_EQ(b.image.HexEditG.At(0x8000), "1234");
    EXPECT_EQ(b.image.HexEditG.At(0x1FFFFF), "0ABC");
}

// Negative and oversized values are not sizes: each key falls back to its default, so the
// device still selects with usable grids.
TEST(DeviceFileLimits, NegativeAndOversizedSizesTakeTheDefaults) {
    TempDir dir;
    const std::string ini = dir.Write("Pravik.ini", kLimits);
    for (const char* name : {"PIC16FNEG", "PIC16FOVER"}) {
        Selected s(name, ini);
        ASSERT_TRUE(s.result.accepted) << name;
        EXPECT_EQ(s.record.ProgMem, DeviceDefaults::ProgMem) << name;
        // No EEPROM is what a size of 0 or less says; an oversized one is no device.
        const int32_t eeprom = std::string(name) == "PIC16FNEG" ? 0 : DeviceDefaults::EEProm;
        EXPECT_EQ(s.record.EEProm, eeprom) << name;
        EXPECT_EQ(s.record.ProgBits, DeviceDefaults::ProgBits) << name;
        EXPECT_EQ(s.image.HexEditG.Size(), DeviceDefaults::ProgMem) << name;
        EXPECT_EQ(s.image.DatosEditG.Size(), eeprom) << name;
        EXPECT_EQ(s.image.HexEditG.At(0), "3FFF") << name;
    }
}

// A directory where the device file should be reads as a file without sections: no device
// is listed (start-up then reports the missing file) and selection falls back to the key
// defaults instead of failing in the middle.
TEST(DeviceFileLimits, DirectoryAsDeviceFileListsNothing) {
    TempDir dir;
    const std::string path = dir.File("Pravik.ini");
    std::filesystem::create_directory(path);
    IniFile ini = IniFile::Load(path);
    EXPECT_TRUE(ini.SectionNames().empty());
    DeviceList list = ReadDeviceList(ini);
    EXPECT_TRUE(list.devices.empty());
    EXPECT_EQ(list.portBase, DeviceDefaults::Port);

    Selected s("PIC16F876A", path);
    ASSERT_TRUE(s.result.accepted);
    EXPECT_EQ(s.record.ProgMem, DeviceDefaults::ProgMem);
    EXPECT_EQ(s.image.HexEditG.Size(), DeviceDefaults::ProgMem);
}
