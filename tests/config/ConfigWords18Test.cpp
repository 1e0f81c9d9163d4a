#include "config/ConfigWords18.h"

#include <gtest/gtest.h>

TEST(ConfigWords18, DefaultWordsFromDollarDecimalAndDefaultTokens) {
    ConfigWords18 c;
    c.SetDefaultWords("$2200 $0F0F 10 0x0081 $C00F $E00F $400F");
    EXPECT_EQ(c.EditConf[0], "2200");
    EXPECT_EQ(c.EditConf[1], "0F0F");
    EXPECT_EQ(c.EditConf[2], "000A");
    EXPECT_EQ(c.EditConf[3], "0081");
    EXPECT_EQ(c.Edit[6], "400F");
    c.SetDefaultWords("FFFF FFFF FFFF FFFF FFFF FFFF FFFF");
    for (int n = 0; n < 7; ++n) {
        EXPECT_EQ(c.EditConf[static_cast<size_t>(n)], "FFFF");
        EXPECT_EQ(c.Edit[static_cast<size_t>(n)], "FFFF");
    }
}

TEST(ConfigWords18, TwoTokensFillTheFirstAndSeventhWord) {
    ConfigWords18 c;
    c.SetDefaultWords("$1234 $5678");
    EXPECT_EQ(c.EditConf[0], "1234");
    for (int n = 1; n < 6; ++n) {
        EXPECT_EQ(c.EditConf[static_cast<size_t>(n)], "0000");
    }
    EXPECT_EQ(c.EditConf[6], "5678");
    c.SetDefaultWords("2200 bad $-1");
    EXPECT_EQ(c.EditConf[0], "0898"); // bare digits are decimal
    EXPECT_EQ(c.EditConf[1], "0000");
}

TEST(ConfigWords18, LeavingAFieldNormalisesIt) {
    ConfigWords18 c;
    c.EditConf[2] = "12";
    c.EditConfExit(2);
    EXPECT_EQ(c.EditConf[2], "0012");
    c.EditConf[0] = "";
    c.EditConfExit(0);
    EXPECT_EQ(c.EditConf[0], "FFFF");
    c.EditConf[1] = "XY";
    c.EditConfExit(1);
    EXPECT_EQ(c.EditConf[1], "FFFF");
    c.EditConf[3] = "1FFFF";
    c.EditConfExit(3);
    EXPECT_EQ(c.EditConf[3], "FFFF");
}

TEST(ConfigWords18, RecomendadosCopiesTheRecommendedColumn) {
    ConfigWords18 c;
    c.SetDefaultWords("$2200 $0E0E $0100 $0081 $C00F $E00F $400F");
    c.EditConf[4] = "0000";
    c.Recomendados();
    EXPECT_EQ(c.EditConf[4], "C00F");
    EXPECT_EQ(c.EditConf, c.Edit);
}
