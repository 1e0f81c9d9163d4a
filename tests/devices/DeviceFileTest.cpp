#include "devices/DeviceFile.h"

#include <algorithm>

#include <gtest/gtest.h>

TEST(DeviceFile, ListHasPortAndOnlyUpperCasePicSections) {
    IniFile ini =
        IniFile::Parse("[Config]\nport=$278\n[PIC16F84A]\n"
                       "Similares=PIC16F84\n[pic16f84a]\n[Other]\n[PIC12F675]\n[PIC18F452]\n");
    DeviceList list = ReadDeviceList(ini);
    EXPECT_EQ(list.portBase, 0x278);
    ASSERT_EQ(list.devices.size(), 3u);
    EXPECT_EQ(list.devices[0].name, "PIC16F84A");
    EXPECT_EQ(list.devices[0].similares, "PIC16F84");
    EXPECT_EQ(list.devices[1].name, "PIC12F675");
    EXPECT_EQ(list.devices[1].similares, "-");
    EXPECT_EQ(list.devices[2].name, "PIC18F452");
}

TEST(DeviceFile, PortIsTruncatedTo16BitsAndDefaultsTo888) {
    EXPECT_EQ(ReadDeviceList(IniFile::Parse("[Config]\nport=$12345\n")).portBase, 0x2345);
    EXPECT_EQ(ReadDeviceList(IniFile::Parse("[Config]\nport=LPT1\n")).portBase, 888);
    EXPECT_EQ(ReadDeviceList(IniFile::Parse("")).portBase, 888);
}

TEST(DeviceFile, GpioKeysOfConfigAreKeptInOrderWithLowerCaseNames) {
    DeviceList list = ReadDeviceList(IniFile::Parse(
        "[Config]\nGPIO_VPP=!18\nport=0x378\ngpiochip=pinctrl-rp1\ngpio_vpp=5\ngpio_pgx=1\n"
        "[PIC16F84A]\ngpio_pgc=4\n"));
    using Keys = std::vector<std::pair<std::string, std::string>>;
    // A key written twice counts once, with its first value, as every key of the file.
    EXPECT_EQ(list.gpioKeys,
              (Keys{{"gpio_vpp", "!18"}, {"gpiochip", "pinctrl-rp1"}, {"gpio_pgx", "1"}}));
}

TEST(DeviceFile, SectionWithoutKeysGivesAllDefaults) {
    DeviceSection s = ReadDeviceSection(IniFile::Parse("[PIC16FX]\n"), "PIC16FX");
    EXPECT_EQ(s.record.ProgMem, 1024);
    EXPECT_EQ(s.record.EEProm, 64);
    EXPECT_EQ(s.record.ProgBits, 14);
    EXPECT_EQ(s.record.RAM, 68);
    EXPECT_EQ(s.record.ConfigStart, 0x2000);
    EXPECT_EQ(s.record.EEPromStart, 0x2100);
    EXPECT_EQ(s.record.Programming, "Flash");
    EXPECT_EQ(s.palConfDef16, 0xFFFF);
    EXPECT_EQ(s.palConfDef18, "FFFF FFFF FFFF FFFF FFFF FFFF FFFF");
    EXPECT_EQ(s.palConf, "- - - - - - - - - - - - - -");
}

TEST(DeviceFile, SizesThatMakeNoSenseTakeTheDefault) {
    DeviceSection s =
        ReadDeviceSection(IniFile::Parse("[P]\nProgMem=-1\nEEProm=2097153\nProgBits=17\n"), "P");
    EXPECT_EQ(s.record.ProgMem, 1024);
    EXPECT_EQ(s.record.EEProm, 64);
    EXPECT_EQ(s.record.ProgBits, 14);
    s = ReadDeviceSection(IniFile::Parse("[P]\nProgMem=2097152\nEEProm=0\nProgBits=0\n"), "P");
    EXPECT_EQ(s.record.ProgMem, 2097152);
    EXPECT_EQ(s.record.EEProm, 0);
    EXPECT_EQ(s.record.ProgBits, 14);
    s = ReadDeviceSection(IniFile::Parse("[P]\nProgBits=12\n"), "P");
    EXPECT_EQ(s.record.ProgBits, 12);
}

TEST(DeviceFile, FamilyFromCharactersFourAndFive) {
    EXPECT_EQ(FamilyOf("PIC16F876A"), 16);
    EXPECT_EQ(FamilyOf("PIC18F452"), 18);
    EXPECT_EQ(FamilyOf("PIC12F675"), 12);
    EXPECT_EQ(FamilyOf("PICXX"), 0);
    EXPECT_EQ(FamilyOf("PIC"), 0);
    EXPECT_EQ(FamilyText("PIC12F675"), "12");
}

TEST(DeviceFile, ShippedFileHasTheDefaultDeviceAndValidFamilies) {
    IniFile ini = IniFile::Load(PRAVIK_SOURCE_DIR "/data/Pravik.ini");
    DeviceList list = ReadDeviceList(ini);
    EXPECT_EQ(list.portBase, 0x378);
    EXPECT_EQ(list.adapter, "parport");
    ASSERT_GE(list.devices.size(), 40u);
    bool hasDefault = false;
    for (const DeviceEntry& d : list.devices) {
        hasDefault |= d.name == "PIC16F876A";
        DeviceSection s = ReadDeviceSection(ini, d.name);
        const int family = s.family; // PIC12F parts: their document's
        EXPECT_TRUE(family == 16 || family == 18) << d.name;
        EXPECT_TRUE(s.error.empty()) << d.name << ": " << s.error;
        EXPECT_FALSE(s.record.Algorithm.empty()) << d.name;
        if (family == 16) {
            EXPECT_NE(s.palConfDef16, 0xFFFF) << d.name;
            EXPECT_EQ(std::count(s.palConf.begin(), s.palConf.end(), ' '), 13) << d.name;
        }
    }
    EXPECT_TRUE(hasDefault);
    DeviceSection f876a = ReadDeviceSection(ini, "PIC16F876A");
    EXPECT_EQ(f876a.record.ProgMem, 8192);
    EXPECT_EQ(f876a.record.EEProm, 256);
    EXPECT_EQ(f876a.record.RAM, 368);
    EXPECT_EQ(f876a.palConfDef16, 0x3F72);
    EXPECT_EQ(f876a.record.Programming, "Flash2");
}

// "Algoritmo" names the programming document in any case; without it the Programming kind
// chooses as it always did, "Flash" and "Flash2" parts by their names; an unknown name or
// one of the other family refuses the section, naming the key and the known documents.
TEST(DeviceFile, AlgorithmComesFromItsKeyOrFromTheKind) {
    const IniFile ini =
        IniFile::Parse("[PIC16F877AX]\nProgramming=Flash\nAlgoritmo=ds39589\n"
                       "[PIC16F628A]\nProgramming=Flash\n[PIC16F628]\nProgramming=Flash\n"
                       "[PIC16F88]\nProgramming=Flash2\n[PIC16F73]\nProgramming=Flash1\n"
                       "[PIC18F452]\nProgramming=18fxx2xx8\n[PIC16F1]\nProgramming=Flash9\n"
                       "[PIC16F2]\nAlgoritmo=DS12345\n[PIC16F3]\nAlgoritmo=DS39622\n");
    const auto algorithm = [&ini](const char* name) {
        return ReadDeviceSection(ini, name).record.Algorithm;
    };
    EXPECT_EQ(algorithm("PIC16F877AX"), "DS39589");
    EXPECT_EQ(algorithm("PIC16F628A"), "DS41196");
    EXPECT_EQ(algorithm("PIC16F628"), "DS30034");
    EXPECT_EQ(algorithm("PIC16F88"), "DS39607");
    EXPECT_EQ(algorithm("PIC16F73"), "DS30324");
    EXPECT_EQ(algorithm("PIC18F452"), "DS39576");
    EXPECT_EQ(algorithm("PIC16F1"), ""); // a kind the program does not know
    EXPECT_TRUE(ReadDeviceSection(ini, "PIC16F877AX").error.empty());
    const std::string unknown = ReadDeviceSection(ini, "PIC16F2").error;
    EXPECT_EQ(unknown.rfind("La clave Algoritmo=DS12345 de PIC16F2 no nombra ningún algoritmo "
                            "conocido (DS30262, DS30034,",
                            0),
              0u)
        << unknown;
    EXPECT_EQ(ReadDeviceSection(ini, "PIC16F3").error,
              "La clave Algoritmo=DS39622 de PIC16F3 nombra un algoritmo de la familia 18, y el "
              "dispositivo es de la familia 16.");
}
