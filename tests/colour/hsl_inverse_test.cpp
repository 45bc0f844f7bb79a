// Hue, sat and lum typed back into a colour, by name, where several colours read the same. Every
// colour, and the nearest readouts where none is exact (greys, black and white among them), are
// checked by the exhaustive tests (hsl_exhaustive_test.cpp).
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

// Where candidates tie exactly, the rounding of the double formulas decides, as in the 64-bit
// program; exact arithmetic would give #343434, #4D4C4C and #C36F6E.
TEST(ColourWithHsl, TiesGoAsTheDoublesRoundThem) {
    EXPECT_EQ(ColourWithHsl({0, 1, 49}), PackRgb(0x34, 0x33, 0x33)) << "as near as grey #343434";
    EXPECT_EQ(ColourWithHsl({0, 1, 72}), PackRgb(0x4C, 0x4B, 0x4B)) << "reads as #4D4C4C does";
    EXPECT_EQ(ColourWithHsl({0, 100, 144}), PackRgb(0xC3, 0x6E, 0x6E)) << "exact, as #C36F6E is";
}
