#include "image/HexReader.h"
#include "image/HexTestSupport.h"
#include "image/HexWriter.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

namespace {

std::string Fixture(const std::string& name) {
    return std::string(PRAVIK_TESTDATA_DIR) + "/hex/" + name;
}

void LoadFile(HexBench& b, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.is_open()) << path;
    b.Load(in);
}

} // namespace

TEST(HexFixtures, Pic16F876AFromTheAssembler) {
    HexBench b = HexBench::Family16();
    LoadFile(b, Fixture("f876a.hex"));
    EXPECT_TRUE(b.messages.log.empty());
    EXPECT_EQ(b.image.HexEditG.At(0), "118A"); // pagesel: bcf PCLATH,3
    EXPECT_EQ(b.image.HexEditG.At(0x1FF0), "3401");
    EXPECT_EQ(b.image.HexEditG.At(0x1FF3), "34FE");
    EXPECT_EQ(b.image.ProgUsed, 0x1FF4);
    EXPECT_EQ(b.image.EditIdent, "1234");
    EXPECT_EQ(b.config16.GetConfigWord(), 0x3F72);
    EXPECT_EQ(b.image.DatosEditG.At(0), "50"); // "P"
    EXPECT_EQ(b.image.DatosEditG.At(7), "A5");
    EXPECT_EQ(b.image.DatosEditG.At(0x7F), "5A"); // byte address 0x42FE
    EXPECT_EQ(b.image.DatosEditG.At(0x80), "C3");
    EXPECT_EQ(b.image.EEPromUsed, 0x81);
}

TEST(HexFixtures, Pic18F452WithSeveralAddressPages) {
    HexBench b = HexBench::Family18();
    b.config18.SetDefaultWords("$2700 $0F0F $0100 $0085 $C00F $E00F $400F");
    LoadFile(b, Fixture("f452.hex"));
    EXPECT_TRUE(b.messages.log.empty());
    EXPECT_EQ(b.image.HexEditG.At(0), "05");
    EXPECT_EQ(b.image.HexEditG.At(1), "EF");
    EXPECT_EQ(b.image.HexEditG.At(0x7FF7), "08");
    EXPECT_EQ(b.image.ProgUsed, 0x7FF8);
    EXPECT_EQ(b.config18.EditConf[0], "2200"); // CONFIG1L not in the file: kept
    EXPECT_EQ(b.config18.EditConf[1], "0E0E");
    EXPECT_EQ(b.config18.EditConf[3], "0081");
    EXPECT_EQ(b.config18.EditConf[6], "400F");
}

TEST(HexFixtures, LoadSaveLoadGivesTheSameImage) {
    for (const char* name : {"f84a.hex", "f876a.hex"}) {
        HexBench first =
            name == std::string("f84a.hex") ? HexBench::Family16(1024, 64) : HexBench::Family16();
        LoadFile(first, Fixture(name));
        HexImage hex = BuildHexLines(first.device, first.image, first.config16.GetConfigWord());
        ASSERT_TRUE(hex.error.empty()) << name;
        TempDir dir;
        std::string saved = dir.File("saved.hex");
        ASSERT_TRUE(WriteHexFileAtomically(saved, hex.lines));

        HexBench second = first;
        second.config16.SetConfigWord(0);
        LoadFile(second, saved);
        EXPECT_TRUE(second.messages.log.empty());
        for (int32_t a = 0; a < first.device.ProgMem; ++a) {
            ASSERT_EQ(second.image.HexEditG.At(a), first.image.HexEditG.At(a)) << name << " " << a;
        }
        for (int32_t a = 0; a < first.device.EEProm; ++a) {
            ASSERT_EQ(second.image.DatosEditG.At(a), first.image.DatosEditG.At(a)) << name;
        }
        EXPECT_EQ(second.image.EditIdent, first.image.EditIdent);
        EXPECT_EQ(second.config16.GetConfigWord(), first.config16.GetConfigWord());

        // An independent reader accepts every file the writer produces.
        if (std::system("command -v srec_cat >/dev/null 2>&1") == 0) {
            std::string cmd = "srec_cat '" + saved + "' -intel -o /dev/null -intel 2>/dev/null";
            EXPECT_EQ(std::system(cmd.c_str()), 0) << name;
        }
    }
}
