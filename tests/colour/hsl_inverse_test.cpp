// Hue, sat and lum typed back into a colour, by name, where several colours read the same or are as
// near. Every colour, and the nearest readouts where none is exact (greys, black and white among
// them), are checked by the exhaustive tests (hsl_exhaustive_test.cpp).
#include "colour/hsl.h"

#include <gtest/gtest.h>

using namespace tintora;

TEST(ColourWithHsl, PrimariesWhiteBlackAndTheMiddleGreys) {
    EXPECT_EQ(ColourWithHsl({0, 240, 120}), PackRgb(255, 0, 0));
    EXPECT_EQ(ColourWithHsl({80, 240, 120}), PackRgb(0, 255, 0)) << "not 00FE00, which reads the same";
    EXPECT_EQ(ColourWithHsl({160, 240, 120}), PackRgb(0, 0, 255));
    EXPECT_EQ(ColourWithHsl({40, 240, 120}), PackRgb(255, 255, 0));
    EXPECT_EQ(ColourWithHsl({120, 240, 120}), PackRgb(0, 255, 255));
    EXPECT_EQ(ColourWithHsl({200, 240, 120}), PackRgb(255, 0, 255));
    EXPECT_EQ(ColourWithHsl({160, 0, 240}), kWhite);
    EXPECT_EQ(ColourWithHsl({160, 0, 0}), kBlack);
    EXPECT_EQ(ColourWithHsl({160, 0, 120}), PackRgb(127, 127, 127));
    EXPECT_EQ(ColourWithHsl({160, 0, 121}), PackRgb(128, 128, 128));
}

TEST(ColourWithHsl, ReadoutsOffTheScaleCountAsItsEnds) {
    EXPECT_EQ(ColourWithHsl({-5, -3, 500}), kWhite);
    EXPECT_EQ(RgbToHsl(ColourWithHsl({250, 240, 120})), (HslColour{240, 240, 120}));
}

// The last two rankings of hsl_inverse.cpp, by example.
TEST(ColourWithHsl, TiesGoToTheColourNearestTheContinuousColourThenToTheSmallerValue) {
    EXPECT_EQ(ColourWithHsl({0, 1, 49}), PackRgb(0x34, 0x34, 0x34)) << "readouts as near as #343333's";
    EXPECT_EQ(ColourWithHsl({0, 80, 126}), PackRgb(0xAE, 0x5D, 0x5D))
        << "as near as #AE5E5D, reading the same";
    EXPECT_EQ(ColourWithHsl({0, 12, 109}), PackRgb(0x79, 0x6E, 0x6D))
        << "as near as #796D6E, reading 237,13,109";
}
