#include "image/HexReader.h"
#include "image/HexTestSupport.h"
#include "image/HexWriter.h"
#include "support/TempDir.h"

#include <cstdint>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace {

const std::string kFirstRecord = ":020000000100FD\n"; // word 0 = 0001
const std::string kNotHex = " no es un valor hexadecimal válido.";

// Loads the file at path the way the window does: opened in binary, read as a stream.
void LoadFile(HexBench& b, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.is_open());
    b.Load(in);
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

// One line of a megabyte: a wrong checksum or a stray character ends the load with one
// short message, and the record read before it stays.
TEST(BadHexInput, MegabyteLineGetsOneShortMessageAndKeepsWhatCameBefore) {
    const std::string digits((1 << 20) + 2, '7'); // sums to 77h: checksum wrong
    HexBench b = HexBench::Family16();
    b.Load(kFirstRecord + ":" + digits + "\n" + HexRecord(2, "00", "0200") + "\n");
    ASSERT_EQ(b.messages.Texts(),
              std::vector<std::string>{"Checksum error en el fichero HEX. Lectura Interrumpida."});
    EXPECT_EQ(b.image.HexEditG.At(0), "0001");
    EXPECT_EQ(b.image.HexEditG.At(1), "3FFF") << "nothing after the failure is read";

    HexBench c = HexBench::Family16();
    c.Load(kFirstRecord + ":" + digits.substr(0, 500000) + "G" + digits + "\n");
    ASSERT_EQ(c.messages.log.size(), 1u);
    EXPECT_EQ(c.messages.log[0].text, "'G7'" + kNotHex) << "the message names only the group";
    EXPECT_EQ(c.image.HexEditG.At(0), "0001");
}

// A record padded to a megabyte with digits that keep its checksum right stores exactly the
// bytes its length announces.
TEST(BadHexInput, MegabyteRecordStoresOnlyItsAnnouncedLength) {
    std::string padding(1 << 20, '0');
    HexBench b = HexBench::Family18(32768);
    b.Load(":0400000011223344" + padding + "52\n:00000001FF\n");
    EXPECT_TRUE(b.messages.log.empty());
    EXPECT_EQ(b.image.HexEditG.At(3), "44");
    EXPECT_EQ(b.image.HexEditG.At(4), "FF");
    EXPECT_EQ(b.image.ProgUsed, 4);
}

// Binary bytes, NUL and every other value included, are refused at the first line with
// one error; the image holds only what the valid record before them stored.
TEST(BadHexInput, BinaryFileEndsTheLoadWithOneError) {
    TempDir dir;
    std::string bytes = kFirstRecord;
    uint32_t state = 12345;
    for (int i = 0; i < 65536; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 24);
    }
    bytes[kFirstRecord.size()] = '\x80';   // neither a line end nor an end-of-file mark
    bytes[kFirstRecord.size() + 1] = '\0'; // a NUL in the first group of the binary part
    const std::string path = dir.Write("program.bin", bytes);

    for (bool family18 : {false, true}) {
        HexBench b = family18 ? HexBench::Family18() : HexBench::Family16();
        LoadFile(b, path);
        ASSERT_EQ(b.messages.log.size(), 1u);
        EXPECT_EQ(b.messages.log[0].kind, "error");
        EXPECT_TRUE(EndsWith(b.messages.log[0].text, kNotHex)) << b.messages.log[0].text;
        EXPECT_EQ(b.image.HexEditG.At(0), family18 ? "01" : "0001");
        EXPECT_EQ(b.image.HexEditG.At(2), family18 ? "FF" : "3FFF");
    }
}

// Nothing to read is no error: an empty file, blank lines and a lone end-of-file
// character all leave the blank image without a message.
TEST(BadHexInput, EmptyFilesLeaveTheBlankImageSilently) {
    TempDir dir;
    for (const std::string& content :
         {std::string(), std::string("\r\n\r\n\n"), std::string("\x1A")}) {
        HexBench b = HexBench::Family16();
        LoadFile(b, dir.Write("empty.hex", content));
        EXPECT_TRUE(b.messages.log.empty());
        EXPECT_EQ(b.image.HexEditG.At(0), "3FFF");
        EXPECT_EQ(b.image.ProgUsed, 0);
        EXPECT_EQ(b.image.EEPromUsed, 0);
        EXPECT_EQ(b.image.EditIdent, "FFFF");
    }
}
