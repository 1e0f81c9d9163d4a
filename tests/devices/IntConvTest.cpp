#include "devices/IntConv.h"

#include <gtest/gtest.h>

TEST(IntConv, DeviceFilePortValuesAllGiveTheSameAddress) {
    EXPECT_EQ(DeviceFileInt("0x278", 888), 0x278);
    EXPECT_EQ(DeviceFileInt("0X278", 888), 0x278);
    EXPECT_EQ(DeviceFileInt("$278", 888), 0x278);
    EXPECT_EQ(DeviceFileInt("632", 888), 0x278);
    EXPECT_EQ(DeviceFileInt("x278", 888), 0x278);
    EXPECT_EQ(DeviceFileInt("0x2000", 1024), 8192);
}

TEST(IntConv, TextThatDoesNotConvertGivesTheDefault) {
    EXPECT_EQ(DeviceFileInt("LPT1", 888), 888);
    EXPECT_EQ(DeviceFileInt("0X", 888), 888);
    EXPECT_EQ(DeviceFileInt("$", 888), 888);
    EXPECT_EQ(DeviceFileInt("", 888), 888);
    EXPECT_EQ(DeviceFileInt("12 ", 888), 888);
    EXPECT_EQ(DeviceFileInt("$123456789", 888), 888); // nine hex digits
    EXPECT_EQ(DeviceFileInt("2147483648", 7), 7);     // beyond 32 bits
    EXPECT_EQ(DeviceFileInt("-$10", 7), 7);           // no sign before a hex prefix
}

TEST(IntConv, SignsBlanksAndEightHexDigits) {
    EXPECT_EQ(DeviceFileInt("-5", 0), -5);
    EXPECT_EQ(DeviceFileInt("+5", 0), 5);
    EXPECT_EQ(DeviceFileInt("  42", 0), 42);
    EXPECT_EQ(DeviceFileInt("-2147483648", 0), INT32_MIN);
    EXPECT_EQ(DeviceFileInt("$FFFFFFFF", 0), -1);
    EXPECT_EQ(DeviceFileInt("$abcdef", 0), 0xABCDEF);
}
