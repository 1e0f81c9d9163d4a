#include "devices/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(IniFile, SectionsInFileOrderWithCaseInsensitiveLookup) {
    IniFile ini = IniFile::Parse("; comment\n[Config]\nport = 0x278 \n"
                                 "[PIC16F84A]\r\nProgMem=1024\r\n"
                                 "[pic16f84a]\nEEProm=1\n[Zeta]\n[Alpha]\n");
    std::vector<std::string> names = ini.SectionNames();
    ASSERT_EQ(names,
              (std::vector<std::string>{"Config", "PIC16F84A", "pic16f84a", "Zeta", "Alpha"}));
    EXPECT_EQ(ini.ReadString("config", "PORT", ""), "0x278");
    EXPECT_EQ(ini.ReadInteger("CONFIG", "port", 888), 0x278);
    // Lookups find the first section of a name, whatever its case.
    EXPECT_EQ(ini.ReadInteger("pic16f84a", "progmem", 0), 1024);
    EXPECT_EQ(ini.ReadInteger("PIC16F84A", "eeprom", 64), 64);
}

TEST(IniFile, WindowsRulesForCommentsAndValues) {
    IniFile ini = IniFile::Parse("[S]\n#key=1\n;key2=2\nkey3=a;b # c\n  indented = yes  \n"
                                 "quoted=\"  spaced  \"\nempty=\nno equals line\n");
    EXPECT_EQ(ini.ReadString("S", "#key", "-"), "1"); // "#" is not a comment marker
    EXPECT_EQ(ini.ReadString("S", "key2", "-"), "-");
    EXPECT_EQ(ini.ReadString("S", "key3", "-"), "a;b # c");
    EXPECT_EQ(ini.ReadString("S", "indented", "-"), "yes");
    EXPECT_EQ(ini.ReadString("S", "quoted", "-"), "  spaced  ");
    EXPECT_EQ(ini.ReadString("S", "empty", "-"), "");
    EXPECT_EQ(ini.ReadInteger("S", "empty", 5), 5);
    EXPECT_EQ(ini.ReadString("Missing", "key", "dflt"), "dflt");
}

TEST(IniFile, LongValuesAndManySectionsAreCut) {
    std::string text = "[S]\nv=" + std::string(3000, 'a') + "\n";
    for (int i = 0; i < 2000; ++i) {
        text += "[PICSECTION" + std::to_string(10000 + i) + "]\n";
    }
    IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.ReadString("S", "v", "").size(), IniFile::kMaxValueLength);
    std::vector<std::string> names = ini.SectionNames();
    size_t used = 1;
    for (const std::string& n : names) {
        used += n.size() + 1;
    }
    EXPECT_LE(used, IniFile::kSectionNameBuffer);
    EXPECT_GT(used + 17, IniFile::kSectionNameBuffer);
    EXPECT_LT(names.size(), 2001u);
}

TEST(IniFile, MissingFileOrDirectoryReadsAsNoSections) {
    TempDir dir;
    EXPECT_TRUE(IniFile::Load(dir.File("nothing.ini")).SectionNames().empty());
    EXPECT_TRUE(IniFile::Load(dir.Path()).SectionNames().empty());
}
