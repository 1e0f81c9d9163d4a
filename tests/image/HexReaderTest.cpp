#include "image/HexChecksum.h"
#include "image/HexTestSupport.h"
#include "image/HexWriter.h"

#include <gtest/gtest.h>

namespace {
const std::string kEnd = ":00000001FF\n";
}

TEST(HexChecksum, WithAndWithoutChecksumAndOddLength) {
    EXPECT_EQ(HexChecksum(":02400E00723F").value(), "FF");
    EXPECT_EQ(HexChecksum(":02400E00723FFF").value(), "00");
    EXPECT_EQ(HexChecksum(":00000001").value(), "FF");
    EXPECT_EQ(HexChecksum(":1").value(), "FF");   // a single character is a group
    EXPECT_EQ(HexChecksum(":FF0").value(), "01"); // FF + 0
    std::string bad;
    EXPECT_FALSE(HexChecksum(":0G", &bad).has_value());
    EXPECT_EQ(bad, "0G");
    EXPECT_FALSE(HexChecksum(":").has_value());
}

TEST(HexReader, ProgramWordsIdentifierConfigurationAndEeprom) {
    HexBench b = HexBench::Family16();
    b.Load(":10001000000102030405060708090A0B0C0D0E0F68\n"
           ":084000000100020003000400AE\n"
           ":02400E00723FFF\n"
           ":044200001100220087\n" +
           kEnd);
    EXPECT_TRUE(b.messages.log.empty());
    EXPECT_EQ(b.image.HexEditG.At(7), "3FFF");
    EXPECT_EQ(b.image.HexEditG.At(8), "0100");
    EXPECT_EQ(b.image.HexEditG.Cell(16, 1), "0F0E");
    EXPECT_EQ(b.image.ProgUsed, 16);
    EXPECT_EQ(b.image.EditIdent, "1234");
    EXPECT_EQ(b.config16.GetConfigWord(), 0x3F72);
    EXPECT_EQ(b.image.DatosEditG.At(0), "11");
    EXPECT_EQ(b.image.DatosEditG.At(1), "22");
    EXPECT_EQ(b.image.EEPromUsed, 2);
}

TEST(HexReader, LoneIdWordOddLengthAndLowerCase) {
    HexBench b = HexBench::Family16();
    b.Load(HexRecord(0x4006, "00", "0700") + "\n" + HexRecord(0x0000, "00", "aabbcc") + "\n" +
           kEnd);
    EXPECT_EQ(b.image.EditIdent, "FFF7");
    EXPECT_EQ(b.image.HexEditG.At(0), "bbaa"); // lower case kept, odd byte ignored
    EXPECT_EQ(b.image.HexEditG.At(1), "3FFF");
    EXPECT_EQ(b.image.ProgUsed, 2); // 1 made even
}

// Compilers write records in any order: the used sizes reach the highest address
// stored, or the higher records would never be written or verified.
TEST(HexReader, RecordsGoingDownKeepTheHighestStoredAddress) {
    HexBench b = HexBench::Family16();
    b.Load(HexRecord(0x0100, "00", "0100") + "\n" + HexRecord(0x0010, "00", "0200") + "\n" +
           HexRecord(0x4204, "00", "5500") + "\n" + HexRecord(0x4200, "00", "AA00") + "\n");
    EXPECT_EQ(b.image.ProgUsed, 0x82); // word 0x80 + 1, made even
    EXPECT_EQ(b.image.HexEditG.At(0x80), "0001");
    EXPECT_EQ(b.image.HexEditG.At(0x08), "0002");
    EXPECT_EQ(b.image.EEPromUsed, 3);
    EXPECT_EQ(b.image.DatosEditG.At(2), "55");
}

TEST(HexReader, Family18ConfigurationBytesIdsAndIgnoredAreas) {
    HexBench b = HexBench::Family18();
    b.config18.SetDefaultWords("$1111 $1111 $1111 $1111 $1111 $1111 $1111");
    b.Load(":020000040030CA\n" +
           HexRecord(0, "00",
                     "0022"
                     "0E0E"
                     "0001"
                     "8100"
                     "0FC0"
                     "0FE0"
                     "0F40") +
           "\n" + ":0200000400F00A\n" + HexRecord(0, "00", "112233") + "\n" + // EEPROM: ignored
           ":020000040020DA\n" + HexRecord(0, "00", "0102030405060708AA") + "\n" + kEnd);
    EXPECT_EQ(b.config18.EditConf[0], "2200");
    EXPECT_EQ(b.config18.EditConf[1], "0E0E");
    EXPECT_EQ(b.config18.EditConf[3], "0081");
    EXPECT_EQ(b.config18.EditConf[6], "400F");
    // 0x200000-0x200007 ignored quietly; 0x200008 is outside the map and warns once.
    ASSERT_EQ(b.messages.Texts(),
              (std::vector<std::string>{"Hex File: dirección fuera de rango",
                                        "Hex File: 1 dato fuera de rango no se ha cargado."}));
}

TEST(HexReader, Family18KeepsBytesTheFileDoesNotGive) {
    HexBench b = HexBench::Family18();
    b.config18.SetDefaultWords("$2700 $0F0F $0100 $0085 $C00F $E00F $400F");
    b.Load(":020000040030CA\n" + HexRecord(1, "00", "22") + "\n" + kEnd);
    EXPECT_EQ(b.config18.EditConf[0], "2200");
    EXPECT_EQ(b.config18.EditConf[1], "0F0F");
    EXPECT_EQ(b.image.ProgUsed, 0);
}

// A file for a bigger part: the first out-of-range item asks once for the whole load.
// Abort drops the rest of each record that leaves the map, Ignore only the items outside
// it; a closing line counts what was left out.
TEST(HexReader, OneOutOfRangeQuestionPerLoad) {
    const std::string far =
        HexRecord(0x4010, "00", "01000200") + "\n" + HexRecord(0x0000, "00", "3412") + "\n" +
        HexRecord(0x4012, "00", "0300") + "\n" + HexRecord(0x07FC, "00", "AAAABBBBCCCCDDDD") + "\n";
    HexBench b = HexBench::Family16(1024);
    b.messages.abortAnswers = {true};
    b.Load(far);
    EXPECT_EQ(b.messages.Texts(),
              (std::vector<std::string>{"Hex File: dirección fuera de rango",
                                        "Hex File: 5 datos fuera de rango no se han cargado."}));
    EXPECT_EQ(b.image.HexEditG.At(0), "1234");
    EXPECT_EQ(b.image.HexEditG.At(0x3FF), "BBBB"); // before the item outside, in range
    EXPECT_EQ(b.image.ProgUsed, 0x400);

    b = HexBench::Family16();
    b.messages.abortAnswers = {false};
    b.Load(HexRecord(0x4010, "00", "01000200") + "\n");
    EXPECT_EQ(b.messages.Texts(),
              (std::vector<std::string>{"Hex File: dirección fuera de rango",
                                        "Hex File: 2 datos fuera de rango no se han cargado."}));
}

TEST(HexReader, EndRecordWinsOverChecksumAndStopsReading) {
    HexBench b = HexBench::Family16();
    b.Load(":0000000100\n" + HexRecord(0, "00", "3412") + "\n");
    EXPECT_TRUE(b.messages.log.empty());
    EXPECT_EQ(b.image.HexEditG.At(0), "3FFF");
}

TEST(HexReader, ChecksumColonTypeAndConversionFailures) {
    HexBench b = HexBench::Family16();
    b.Load(HexRecord(0, "00", "3412") + "\n:0200020034120F\n" + HexRecord(4, "00", "0100") + "\n");
    EXPECT_EQ(b.messages.Texts(),
              std::vector<std::string>{"Checksum error en el fichero HEX. Lectura Interrumpida."});
    EXPECT_EQ(b.image.HexEditG.At(0), "1234"); // what came before stays
    EXPECT_EQ(b.image.HexEditG.At(2), "3FFF");

    b = HexBench::Family16();
    b.messages.abortAnswers = {false, false};
    std::string noColon = HexRecord(0, "00", "3412");
    noColon[0] = '0';
    b.Load(noColon + "\n" + HexRecord(0, "03", "0000") + "\n" + HexRecord(2, "00", "7856") + "\n");
    EXPECT_EQ(b.messages.Texts(),
              (std::vector<std::string>{"Hex File: falta \":\" al inicio.",
                                        "Hex File: comando HEX no soportado."}));
    EXPECT_EQ(b.image.HexEditG.At(0), "3FFF");
    EXPECT_EQ(b.image.HexEditG.At(1), "5678");

    b = HexBench::Family16();
    b.Load("this is not hex\n" + HexRecord(0, "00", "3412") + "\n");
    ASSERT_EQ(b.messages.log.size(), 1u);
    EXPECT_EQ(b.messages.log[0].kind, "error");
    EXPECT_NE(b.messages.log[0].text.find("no es un valor hexadecimal"), std::string::npos);
    EXPECT_EQ(b.image.HexEditG.At(0), "3FFF");
}

TEST(HexReader, ShortLinesNeverReadPastTheirEnd) {
    HexBench b = HexBench::Family16();
    // The length field announces 3 words but the line ends inside the third (whose low
    // byte position holds the checksum); the sum still matches.
    std::string line = ":0600000034127856";
    line += HexChecksum(line).value();
    b.Load(line + "\n");
    EXPECT_EQ(b.image.HexEditG.At(0), "1234");
    EXPECT_EQ(b.image.HexEditG.At(1), "5678");
    EXPECT_EQ(b.image.HexEditG.At(2), "3FFF"); // incomplete word not stored
    EXPECT_EQ(b.image.ProgUsed, 2);

    std::string id = ":08400000010002";
    id += HexChecksum(id).value();
    b.Load(id + "\n");
    EXPECT_EQ(b.image.EditIdent, "12FF"); // a missing identifier digit changes nothing
}

TEST(HexReader, CtrlZCarriageReturnsBlankLinesAndHighExtendedAddresses) {
    HexBench b = HexBench::Family16();
    b.Load("\r\n" + HexRecord(0, "00", "3412") + "\r\n:0200000480007A\n" +
           HexRecord(0, "00", "7856") + "\n\x1A" + HexRecord(2, "00", "AAAA") + "\n");
    EXPECT_TRUE(b.messages.log.empty()) << b.messages.log[0].text;
    EXPECT_EQ(b.image.HexEditG.At(0), "1234");
    EXPECT_EQ(b.image.HexEditG.At(1), "3FFF");
}

TEST(HexReader, UsedSizeStaysInsideAnOddSizedMemory) {
    HexBench b = HexBench::Family16(15, 0);
    std::string data;
    for (int i = 0; i < 15; ++i) {
        data += "0100";
    }
    b.Load(HexRecord(0, "00", data.substr(0, 32)) + "\n" + HexRecord(0x10, "00", data.substr(32)) +
           "\n");
    EXPECT_EQ(b.image.ProgUsed, 15); // not rounded to 16, past the last cell
    b.Load(HexRecord(0, "00", "0100") + "\n");
    EXPECT_EQ(b.image.ProgUsed, 2);
}

TEST(HexReader, BinaryBytesAreShownReadablyInTheMessage) {
    EXPECT_EQ(NotHexMessage(std::string("\x01\x00", 2)),
              "'\\x01\\x00' no es un valor hexadecimal válido.");
    EXPECT_EQ(NotHexMessage("zz"), "'zz' no es un valor hexadecimal válido.");
}
