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

// Family 18 files of the fixtures and with records of odd length at odd addresses, in
// every memory: saved in the compilers' layout, they load back to the same image; bytes
// past the EEPROM or the IDs get the range warning.
TEST(HexRoundTrip, Family18EveryMemory) {
    const std::string odd = ":020000040000FA\n" + HexRecord(0x0003, "00", "A1B2C3") + "\n" +
                            HexRecord(0x7FFF, "00", "5D") + "\n:020000040020DA\n" +
                            HexRecord(0x0005, "00", "0A0B0C") + "\n:020000040030CA\n" +
                            HexRecord(0x0001, "00", "27") + "\n" + HexRecord(0x000D, "00", "40") +
                            "\n:0200000400F00A\n" + HexRecord(0x00FF, "00", "E7") + "\n" +
                            HexRecord(0x0011, "00", "55AA66") + "\n:00000001FF\n";
    std::ifstream fixture(Fixture("f452.hex"), std::ios::binary);
    const std::string f452((std::istreambuf_iterator<char>(fixture)), {});
    for (const std::string& text : {f452, odd}) {
        HexBench first = HexBench::Family18();
        first.Load(text);
        ASSERT_TRUE(first.messages.log.empty());
        const HexImage saved = BuildHexLines18(first.device, first.image, first.config18.EditConf);
        ASSERT_TRUE(saved.error.empty()) << saved.error;
        std::string again;
        for (const std::string& line : saved.lines) {
            again += line + "\r\n";
        }
        HexBench second = HexBench::Family18();
        second.Load(again);
        EXPECT_TRUE(second.messages.log.empty());
        for (int32_t a = 0; a < first.device.ProgMem; ++a) {
            ASSERT_EQ(second.image.HexEditG.At(a), first.image.HexEditG.At(a)) << a;
        }
        for (int32_t a = 0; a < first.device.EEProm; ++a) {
            ASSERT_EQ(second.image.DatosEditG.At(a), first.image.DatosEditG.At(a)) << a;
        }
        for (int i = 0; i < MemoryImage::kIdBytes18; ++i) {
            EXPECT_EQ(second.image.IdByte18(i), first.image.IdByte18(i)) << i;
        }
        EXPECT_EQ(second.config18.EditConf, first.config18.EditConf);
    }
    HexBench b = HexBench::Family18();
    b.Load(odd);
    EXPECT_EQ(b.image.IdByte18(5), 0x0A);
    EXPECT_EQ(b.image.IdByte18(7), 0x0C);
    EXPECT_EQ(b.image.DatosEditG.At(0xFF), "E7");
    EXPECT_EQ(b.image.EEPromUsed, 0x100);
    EXPECT_EQ(b.config18.EditConf[6].substr(0, 2), "40");

    HexBench beyond = HexBench::Family18();
    beyond.Load(":0200000400F00A\n" + HexRecord(0x0100, "00", "01") + "\n:020000040020DA\n" +
                HexRecord(0x0008, "00", "02") + "\n:00000001FF\n");
    EXPECT_EQ(beyond.messages.Texts(),
              (std::vector<std::string>{"Hex File: dirección fuera de rango",
                                        "Hex File: 2 datos fuera de rango no se han cargado."}));
    EXPECT_EQ(beyond.image.EEPromUsed, 0);
}
