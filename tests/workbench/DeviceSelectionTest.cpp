#include "workbench/DeviceSelection.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct Models {
    DeviceRecord record;
    MemoryImage image;
    ConfigWord16 config16;
    ConfigWords18 config18;
    MemorySettingsStore settings;
    SelectionTargets Targets() { return {record, image, config16, config18, settings}; }
};

const char* kIni = "[Config]\nport=0x378\n"
                   "[PIC16F876A]\nProgMem=8192\nEEProm=256\nRAM=368\nPalConfDef=0x3F72\n"
                   "PalConf=CP - DEBUG WRT1 WRT0 CPD LVP BOREN - - _PWRTE WDTE FOSC1 FOSC0\n"
                   "Programming=Flash2\n"
                   "[PIC16C5X]\nProgMem=512\nEEProm=0\nProgBits=12\n"
                   "[PIC18F452]\nProgMem=32768\nEEProm=256\n"
                   "PalConfDef=$2200 $0E0E $0100 $0081 $C00F $E00F $400F\n"
                   "Programming=18fxx2xx8\n"
                   "[PIC12F675]\n";

} // namespace

TEST(DeviceSelection, Family16FillsRecordGridsConfigurationAndLastPic) {
    TempDir dir;
    std::string ini = dir.Write("Pravik.ini", kIni);
    Models m;
    m.image.EditProgramCell(1, 1, "1234");
    SelectionResult r = SelectDevice("PIC16F876A", ini, m.Targets());
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(m.record.DeviceName, "PIC16F876A");
    EXPECT_EQ(m.record.Family, 16);
    EXPECT_EQ(m.record.ProgMem, 8192);
    EXPECT_EQ(m.record.WBufSize, 8);
    EXPECT_EQ(m.record.Programming, "Flash2");
    EXPECT_EQ(m.settings.Read("Config", "lastpic", ""), "PIC16F876A");
    EXPECT_EQ(m.image.HexEditG.RowCount(), 513);
    EXPECT_EQ(m.image.HexEditG.At(0), "3FFF");
    EXPECT_EQ(m.image.HexEditG.Cell(0, 512), "1FF0");
    EXPECT_EQ(m.image.DatosEditG.At(255), "FF");
    EXPECT_EQ(m.image.ProgUsed, 0);
    EXPECT_EQ(m.config16.GetConfigWord(), 0x3F72);
    EXPECT_EQ(m.config16.PalEdit2, "3F72");
    EXPECT_EQ(m.config16.BitName(13), "CP ");
    EXPECT_EQ(m.config16.BitName(0), "FOSC0");
}

TEST(DeviceSelection, TwelveBitDeviceWithoutEepromKeepsTheOldEepromGrid) {
    TempDir dir;
    std::string ini = dir.Write("Pravik.ini", kIni);
    Models m;
    SelectDevice("PIC16F876A", ini, m.Targets());
    m.image.EditDataCell(2, 1, "AB");
    SelectionResult r = SelectDevice("PIC16C5X", ini, m.Targets());
    EXPECT_FALSE(r.dataGridReset);
    EXPECT_EQ(m.image.HexEditG.At(0), "0FFF");
    EXPECT_EQ(m.image.DatosEditG.At(1), "AB");
    EXPECT_EQ(m.image.EEPromUsed, 2);
    // A device without PalConfDef gets the all-ones word and "-" names.
    EXPECT_EQ(m.config16.GetConfigWord(), 0x3FFF);
    EXPECT_EQ(m.config16.BitName(0), "-");
}

TEST(DeviceSelection, Family18SetsSevenWordsAndByteCells) {
    TempDir dir;
    std::string ini = dir.Write("Pravik.ini", kIni);
    Models m;
    SelectionResult r = SelectDevice("PIC18F452", ini, m.Targets());
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(m.record.Family, 18);
    EXPECT_EQ(m.image.HexEditG.At(0), "FF");
    EXPECT_EQ(m.image.HexEditG.Cell(0, m.image.HexEditG.RowCount() - 1), "7FF0");
    EXPECT_EQ(m.config18.EditConf[0], "2200");
    EXPECT_EQ(m.config18.Edit[6], "400F");
    EXPECT_EQ(m.config16.GetConfigWord(), 0x3FFF); // the seven-word text is no integer
}

TEST(DeviceSelection, UnknownFamilyIsRejectedAndChangesNothing) {
    TempDir dir;
    std::string ini = dir.Write("Pravik.ini", kIni);
    Models m;
    SelectDevice("PIC16F876A", ini, m.Targets());
    SelectionResult r = SelectDevice("PIC12F675", ini, m.Targets());
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.error, "Familia 12 no reconocida");
    EXPECT_EQ(m.record.DeviceName, "PIC16F876A");
    EXPECT_EQ(m.settings.Read("Config", "lastpic", ""), "PIC16F876A");
    // A section whose programming document the program does not know is refused the same
    // way, with the message that names the key.
    const std::string bad = dir.Write("Bad.ini", std::string(kIni) + "[PIC16F999]\nAlgoritmo=X\n");
    r = SelectDevice("PIC16F999", bad, m.Targets());
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.error.rfind("La clave Algoritmo=X de PIC16F999", 0), 0u) << r.error;
    EXPECT_EQ(m.record.DeviceName, "PIC16F876A");
}

TEST(DeviceSelection, SectionRemovedSinceStartUpGivesDefaults) {
    TempDir dir;
    std::string ini = dir.Write("Pravik.ini", "[PIC16F84A]\n");
    Models m;
    SelectDevice("PIC16F999", ini, m.Targets());
    EXPECT_EQ(m.record.ProgMem, 1024);
    EXPECT_EQ(m.record.EEProm, 64);
    EXPECT_EQ(m.image.HexEditG.RowCount(), 65);
}
