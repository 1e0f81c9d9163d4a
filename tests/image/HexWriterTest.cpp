#include "image/HexWriter.h"

#include "image/HexTestSupport.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

TEST(HexWriter, BlankDeviceRecordsIdentifierConfigurationAndEeprom) {
    HexBench b = HexBench::Family16(2048, 256);
    b.image.InitHexEditG(b.device);
    b.image.InitDatosEditG(b.device);
    b.image.SetIdent(0x1234);
    HexImage hex = BuildHexLines(b.device, b.image, 0x3F72);
    ASSERT_TRUE(hex.error.empty());
    ASSERT_EQ(hex.lines.size(), 128u + 2 + 16 + 1);
    std::string ff3f;
    for (int i = 0; i < 16; ++i) {
        ff3f += "FF3F";
    }
    EXPECT_EQ(hex.lines[0], ":20000000" + ff3f + "00");
    EXPECT_EQ(hex.lines[1].substr(0, 9), ":20002000");
    EXPECT_EQ(hex.lines[1].substr(hex.lines[1].size() - 2), "E0");
    EXPECT_EQ(hex.lines[128], ":084000000100020003000400AE");
    EXPECT_EQ(hex.lines[129], ":02400E00723FFF");
    std::string ff00;
    for (int i = 0; i < 16; ++i) {
        ff00 += "FF00";
    }
    EXPECT_EQ(hex.lines[130], ":20420000" + ff00 + "AE");
    EXPECT_EQ(hex.lines[145].substr(0, 9), ":2043E000");
    EXPECT_EQ(hex.lines.back(), ":00000001FF");
}

TEST(HexWriter, PartialLastRecordAndFfffIdentifier) {
    HexBench b = HexBench::Family16(2047, 0);
    b.image.InitHexEditG(b.device);
    b.image.SetIdent(0xFFFF);
    HexImage hex = BuildHexLines(b.device, b.image, 0x3FFF);
    ASSERT_EQ(hex.lines.size(), 128u + 2 + 1);
    EXPECT_EQ(hex.lines[127].substr(0, 9), ":1E0FE000");
    EXPECT_EQ(hex.lines[128], ":084000000F000F000F000F007C");
}

TEST(HexWriter, CellsAreParsedAndNormalisedOrRefused) {
    HexBench b = HexBench::Family16(32, 16);
    b.image.InitHexEditG(b.device);
    b.image.InitDatosEditG(b.device);
    b.image.HexEditG.SetAt(0, "3f");   // short but valid: written in full width
    b.image.HexEditG.SetAt(1, "abcd"); // wider than 14 bits
    HexImage hex = BuildHexLines(b.device, b.image, 0x3FFF);
    EXPECT_TRUE(hex.lines.empty());
    EXPECT_EQ(hex.error, "Error en los códigos de programa (fuera de rango), dir: 0001");
    b.image.HexEditG.SetAt(1, "1abc");
    b.image.DatosEditG.SetAt(3, "xyz");
    hex = BuildHexLines(b.device, b.image, 0x3FFF);
    EXPECT_EQ(hex.error, "Error en los códigos de datos (fuera de rango), dir: 0003");
    b.image.DatosEditG.SetAt(3, "a");
    hex = BuildHexLines(b.device, b.image, 0x3FFF);
    ASSERT_TRUE(hex.error.empty());
    EXPECT_EQ(hex.lines[0].substr(9, 8), "3F00BC1A");
    EXPECT_EQ(hex.lines[4].substr(9, 16), "FF00FF00FF000A00");
}

TEST(HexWriter, AtomicWriteKeepsTheOldFileWhenTheDirectoryIsReadOnly) {
    TempDir dir;
    std::string path = dir.Write("prog.hex", "old contents");
    ASSERT_TRUE(WriteHexFileAtomically(path, {":00000001FF"}));
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, ":00000001FF\r\n");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IRGRP, 0u) << "a saved file is not private";

    EXPECT_FALSE(WriteHexFileAtomically(dir.File("missing/dir/x.hex"), {":00000001FF"}));
    if (geteuid() != 0) { // root ignores directory permissions
        chmod(dir.Path().c_str(), 0555);
        EXPECT_FALSE(WriteHexFileAtomically(path, {":00000001FF", ":00000001FF"}));
        chmod(dir.Path().c_str(), 0755);
        std::ifstream again(path, std::ios::binary);
        EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), {}), text);
    }
}
