#include "config/ConfigWord16.h"

#include <gtest/gtest.h>

TEST(ConfigWord16, SetConfigWordSetsBitsOscillatorAndText) {
    ConfigWord16 c;
    c.SetConfigWord(0x3F72);
    EXPECT_EQ(c.GetConfigWord(), 0x3F72);
    for (int bit : {1, 4, 5, 6, 8, 9, 10, 11, 12, 13}) {
        EXPECT_TRUE(c.Bit(bit)) << bit;
    }
    for (int bit : {0, 2, 3, 7}) {
        EXPECT_FALSE(c.Bit(bit)) << bit;
    }
    EXPECT_EQ(c.Oscillator(), 2);
    EXPECT_EQ(c.PalEdit, "3F72");
    c.SetConfigWord(0x3FF0);
    EXPECT_EQ(c.Oscillator(), 0);
    EXPECT_EQ(c.PalEdit, "3FF0");
    c.SetConfigWord(0x3FFF);
    EXPECT_EQ(c.Oscillator(), 3);
    EXPECT_EQ(c.PalEdit, "3FFF");
    c.SetConfigWord(0xFFFF);
    EXPECT_EQ(c.GetConfigWord(), 0x3FFF); // bits 14 and 15 never reach the boxes
    EXPECT_EQ(c.LastConfigWord, 0xFFFF);
}

TEST(ConfigWord16, OscillatorButtonsRewriteBitsOneAndZero) {
    ConfigWord16 c;
    c.SetConfigWord(0x3F72);
    c.SelectOscillator(1);
    EXPECT_EQ(c.GetConfigWord(), 0x3F71);
    EXPECT_EQ(c.PalEdit, "3F71");
    c.SelectOscillator(0);
    EXPECT_EQ(c.GetConfigWord(), 0x3F70);
    c.SetBit(13, false);
    EXPECT_EQ(c.PalEdit, "1F70");
}

TEST(ConfigWord16, ApplyTakesTypedWordOrRestoresTheLastOne) {
    ConfigWord16 c;
    c.SetConfigWord(0x3F72);
    c.PalEdit = "ZZ";
    c.Apply();
    EXPECT_EQ(c.PalEdit, "3F72");
    c.PalEdit = "";
    c.Apply();
    EXPECT_EQ(c.GetConfigWord(), 0x3F72);
    c.PalEdit = "FFFF";
    c.Apply();
    EXPECT_EQ(c.GetConfigWord(), 0x3FFF);
    EXPECT_EQ(c.PalEdit, "3FFF");
    EXPECT_EQ(c.LastConfigWord, 0xFFFF);
    c.PalEdit = "3ff0";
    c.Apply();
    EXPECT_EQ(c.GetConfigWord(), 0x3FF0);
    EXPECT_EQ(c.Oscillator(), 0);
}

TEST(ConfigWord16, BitNamesFromTheLeft) {
    ConfigWord16 c;
    c.SetBitNames("CP - DEBUG WRT1 WRT0 CPD LVP BOREN - - _PWRTE WDTE FOSC1 FOSC0");
    EXPECT_EQ(c.BitName(13), "CP ");
    EXPECT_EQ(c.BitName(12), "- ");
    EXPECT_EQ(c.BitName(1), "FOSC1 ");
    EXPECT_EQ(c.BitName(0), "FOSC0");
    c.SetBitNames("A B");
    EXPECT_EQ(c.BitName(13), "A ");
    for (int bit = 12; bit >= 1; --bit) {
        EXPECT_EQ(c.BitName(bit), "") << bit;
    }
    EXPECT_EQ(c.BitName(0), "B");
    c.SetBitNames("N13 N12 N11 N10 N9 N8 N7 N6 N5 N4 N3 N2 N1 N0 X Y");
    EXPECT_EQ(c.BitName(1), "N1 ");
    EXPECT_EQ(c.BitName(0), "N0 X Y");
}
