#include "colour/colour_value.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace modTintora;

TEST(ColourValue, LaidOutBlueGreenRedFromTheTopByteDown) {
    const ColourValue value = PackRgb(200, 100, 50);
    EXPECT_EQ(value, 3302600);
    unsigned char bytes[4];
    std::memcpy(bytes, &value, 4);
    // Little-endian in memory, as the registry stores it: red first.
    EXPECT_EQ(bytes[0], 0xC8);
    EXPECT_EQ(bytes[1], 0x64);
    EXPECT_EQ(bytes[2], 0x32);
    EXPECT_EQ(bytes[3], 0x00);
}

TEST(ColourValue, ChannelsReadOnlyTheirOwnByte) {
    EXPECT_EQ(GetRed(3302600), 200);
    EXPECT_EQ(GetGreen(3302600), 100);
    EXPECT_EQ(GetBlue(3302600), 50);
    // The top byte never leaks into a channel, whatever its sign.
    const auto topSet = static_cast<ColourValue>(0x8000000Fu);
    EXPECT_EQ(GetRed(topSet), 15);
    EXPECT_EQ(GetGreen(topSet), 0);
    EXPECT_EQ(GetBlue(topSet), 0);
    EXPECT_EQ(GetRed(-1), 255);
    EXPECT_EQ(GetGreen(-1), 255);
    EXPECT_EQ(GetBlue(-1), 255);
}
