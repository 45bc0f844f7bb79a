// Hue, sat and lum typed back into a colour, by name. Every colour, and the nearest readouts where
// none is exact, are checked by the exhaustive tests (hsl_exhaustive_test.cpp).
#include "colour/hsl.h"

#include <gtest/gtest.h>

using namespace tintora;

namespace {

bool IsGrey(ColourValue c) { return GetRed(c) == GetGreen(c) && GetGreen(c) == GetBlue(c); }

} // namespace

TEST(ColourWithHsl, PrimariesWhiteBlackAndGreys) {
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
    for (std::int16_t step = 0; step <= 240; step += 8) {
        for (std::int16_t lum = 0; lum <= 240; ++lum) {
            // Sat 0 is a grey of that luminance, whatever the hue.
            const ColourValue grey = ColourWithHsl({step, 0, lum});
            ASSERT_TRUE(IsGrey(grey) && RgbToHsl(grey).Lum == lum) << step << ",0," << lum;
        }
        for (std::int16_t sat = 0; sat <= 240; sat += 5) {
            // Lum 0 is black and lum 240 white, or as near white as those readouts allow.
            ASSERT_EQ(ColourWithHsl({step, sat, 0}), kBlack) << step << "," << sat;
            const ColourValue light = ColourWithHsl({step, sat, 240});
            ASSERT_TRUE(GetRed(light) >= 253 && GetGreen(light) >= 253 && GetBlue(light) >= 253)
                << step << "," << sat << " gave " << std::hex << light;
        }
    }
}

TEST(ColourWithHsl, ReadoutsOffTheScaleCountAsItsEnds) {
    EXPECT_EQ(ColourWithHsl({-5, -3, 500}), kWhite);
    EXPECT_EQ(RgbToHsl(ColourWithHsl({250, 240, 120})), (HslColour{240, 240, 120}));
}
