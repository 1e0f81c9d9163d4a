#include "image/MemoryImage.h"

#include <gtest/gtest.h>

namespace {

DeviceRecord Device(int family, int progMem, int eeprom, int progBits = 14) {
    DeviceRecord d;
    d.Family = family;
    d.ProgMem = progMem;
    d.EEProm = eeprom;
    d.ProgBits = progBits;
    return d;
}

} // namespace

TEST(MemoryImage, BlankCellsFollowFamilyAndWordWidth) {
    MemoryImage image;
    image.InitHexEditG(Device(16, 1024, 64, 14));
    EXPECT_EQ(image.HexEditG.At(1023), "3FFF");
    image.InitHexEditG(Device(16, 1024, 64, 12));
    EXPECT_EQ(image.HexEditG.At(0), "0FFF");
    image.InitHexEditG(Device(18, 32768, 256, 16));
    EXPECT_EQ(image.HexEditG.At(32767), "FF");
    image.InitDatosEditG(Device(16, 1024, 64));
    EXPECT_EQ(image.DatosEditG.At(63), "FF");
    EXPECT_EQ(image.DatosEditG.Cell(0, 0), "EEPR");
    EXPECT_EQ(image.HexEditG.Cell(0, 0), "PROG");
}

TEST(MemoryImage, HeadersAndRowLabels) {
    MemoryImage image;
    image.InitHexEditG(Device(18, 131072, 0));
    const CellTable& t = image.HexEditG;
    EXPECT_EQ(t.RowCount(), 8193);
    EXPECT_EQ(t.ColumnCount(), 17);
    EXPECT_EQ(t.Cell(1, 0), "0");
    EXPECT_EQ(t.Cell(16, 0), "F");
    EXPECT_EQ(t.Cell(0, 1), "0000");
    EXPECT_EQ(t.Cell(0, 4096), "FFF0");
    EXPECT_EQ(t.Cell(0, 4097), "10000");
    EXPECT_EQ(t.Cell(0, 8192), "1FFF0");
}

TEST(MemoryImage, PartialLastRowIsShownAndStoresEveryAddress) {
    MemoryImage image;
    image.InitHexEditG(Device(16, 2047, 0));
    const CellTable& t = image.HexEditG;
    EXPECT_EQ(t.RowCount(), 129);
    EXPECT_EQ(t.At(2046), "3FFF");
    EXPECT_TRUE(t.IsDataCell(15, 128));  // address 2046
    EXPECT_FALSE(t.IsDataCell(16, 128)); // address 2047: past the size
    EXPECT_EQ(t.Cell(16, 128), "");
    EXPECT_FALSE(image.EditProgramCell(16, 128, "0000"));
    EXPECT_EQ(image.ProgUsed, 0);
    EXPECT_TRUE(image.EditProgramCell(15, 128, "0000"));
    EXPECT_EQ(image.ProgUsed, 2047);
}

TEST(MemoryImage, EditsStoreTextAsTypedAndOnlyRaiseTheCounter) {
    MemoryImage image;
    image.InitHexEditG(Device(16, 8192, 256));
    image.InitDatosEditG(Device(16, 8192, 256));
    EXPECT_TRUE(image.EditProgramCell(5, 3, "xyz"));
    EXPECT_EQ(image.HexEditG.At(0x24), "xyz");
    EXPECT_EQ(image.ProgUsed, 37);
    image.EditProgramCell(1, 1, "0000");
    EXPECT_EQ(image.ProgUsed, 37);
    EXPECT_FALSE(image.EditProgramCell(0, 1, "0000")); // header column
    EXPECT_FALSE(image.EditProgramCell(1, 0, "0000")); // header row
    image.EditDataCell(16, 16, "ab");
    EXPECT_EQ(image.EEPromUsed, 256);
    image.InitHexEditG(Device(16, 8192, 256));
    EXPECT_EQ(image.ProgUsed, 0);
    EXPECT_EQ(image.HexEditG.At(0x24), "3FFF");
}

TEST(MemoryImage, IdentifierReadsHexAndNormalises) {
    MemoryImage image;
    image.EditIdent = "abc";
    EXPECT_EQ(image.GetIdent(), 0x0ABC);
    EXPECT_EQ(image.EditIdent, "0ABC");
    image.EditIdent = "xyz";
    EXPECT_EQ(image.GetIdent(), 0);
    EXPECT_EQ(image.EditIdent, "0000");
    image.EditIdent = "";
    EXPECT_EQ(image.GetIdent(), 0);
    image.SetIdent(0xFFFF);
    EXPECT_EQ(image.EditIdent, "FFFF");
    image.SetIdent(0x12);
    EXPECT_EQ(image.EditIdent, "0012");
}

TEST(MemoryImage, OutOfRangeAccessIsHarmless) {
    MemoryImage image;
    EXPECT_EQ(image.HexEditG.RowCount(), 0);
    EXPECT_EQ(image.HexEditG.At(0), "");
    image.HexEditG.SetAt(5, "1234");
    EXPECT_EQ(image.HexEditG.Cell(3, 3), "");
    EXPECT_FALSE(image.EditProgramCell(1, 1, "1"));
}
