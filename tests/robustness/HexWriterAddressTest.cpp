#include "image/HexTestSupport.h"
#include "image/HexWriter.h"

#include <string>

#include <gtest/gtest.h>

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

HexImage SaveBlank(HexBench& b) {
    b.image.InitHexEditG(b.device);
    b.image.InitDatosEditG(b.device);
    b.image.SetIdent(0x1234);
    return BuildHexLines(b.device, b.image, 0x3F72);
}

} // namespace

// Program memory past 32768 words lies past byte FFFFh: each new 64 KiB page is announced
// by an extended linear address record, so every record keeps a 4-digit address.
TEST(HexWriterAddress, PagesPast64KiBGetExtendedAddressRecords) {
    HexBench b = HexBench::Family16(40000, 16);
    b.device.ConfigStart = 0x10000; // past the program memory, in page 2
    b.device.EEPromStart = 0x10100;
    HexImage hex = SaveBlank(b);
    ASSERT_TRUE(hex.error.empty());
    ASSERT_EQ(hex.lines.size(), 2048u + 1 + 452 + 1 + 2 + 1 + 1);
    EXPECT_EQ(hex.lines[2047].substr(0, 9), ":20FFE000");
    EXPECT_EQ(hex.lines[2048], ":020000040001F9");
    EXPECT_EQ(hex.lines[2049].substr(0, 9), ":20000000");
    EXPECT_EQ(hex.lines[2501], ":020000040002F8");
    EXPECT_EQ(hex.lines[2502], ":080000000100020003000400EE");
    EXPECT_EQ(hex.lines[2504].substr(0, 9), ":20020000");

    b.image.HexEditG.SetAt(0x8000, "2222");
    b.image.HexEditG.SetAt(39999, "1111");
    hex = BuildHexLines(b.device, b.image, 0x3F72);
    HexBench again = HexBench::Family16(40000, 16);
    again.device = b.device;
    again.Load(Joined(hex.lines));
    EXPECT_TRUE(again.messages.log.empty());
    EXPECT_EQ(again.image.HexEditG.At(0x7FFF), "3FFF");
    EXPECT_EQ(again.image.HexEditG.At(0x8000), "2222");
    EXPECT_EQ(again.image.HexEditG.At(39999), "1111");
    EXPECT_EQ(again.image.GetIdent(), 0x1234);
    EXPECT_EQ(again.config16.GetConfigWord(), 0x3F72);
}

// The identifier and configuration word are written where the reader takes them from: the
// device's configuration area, not a fixed address.
TEST(HexWriterAddress, IdentifierFollowsTheConfigurationArea) {
    HexBench b = HexBench::Family16(1024, 64);
    b.device.ConfigStart = 0x1000;
    b.device.EEPromStart = 0x30000;
    HexImage hex = SaveBlank(b);
    ASSERT_TRUE(hex.error.empty());
    EXPECT_EQ(hex.lines[64], ":082000000100020003000400CE");
    EXPECT_EQ(hex.lines[65].substr(0, 9), ":02200E00");
    EXPECT_EQ(hex.lines[66], ":020000040006F4");

    HexBench again = HexBench::Family16(1024, 64);
    again.device = b.device;
    b.image.DatosEditG.SetAt(63, "C3");
    again.Load(Joined(BuildHexLines(b.device, b.image, 0x3F72).lines));
    EXPECT_TRUE(again.messages.log.empty());
    EXPECT_EQ(again.image.GetIdent(), 0x1234);
    EXPECT_EQ(again.config16.GetConfigWord(), 0x3F72);
    EXPECT_EQ(again.image.DatosEditG.At(63), "C3");
}

// An area that a HEX file cannot address is refused with a message, and nothing is written.
TEST(HexWriterAddress, AreasOutsideTheAddressSpaceAreRefused) {
    HexBench b = HexBench::Family16(1024, 64);
    b.device.EEPromStart = 0x7FFFFFF0;
    HexImage hex = SaveBlank(b);
    EXPECT_TRUE(hex.lines.empty());
    EXPECT_EQ(hex.error, "Error en la dirección de EEPROM (fuera de rango), dir: 7FFFFFF0");

    b.device.EEPromStart = 0x2100;
    b.device.ConfigStart = -8;
    hex = SaveBlank(b);
    EXPECT_TRUE(hex.lines.empty());
    EXPECT_EQ(hex.error, "Error en la dirección de configuración (fuera de rango), dir: FFFFFFF8");
}
