#include "editor/strip_bands.h"

#include <gtest/gtest.h>

using namespace tintora;
using modTintora::PackRgb;

namespace {

BandColours BandsOf(ColourValue colour) {
    const Channels base = ChannelsOf(colour);
    return ComputeBands(base, TintSteps(base), ShadeSteps(base));
}

} // namespace

TEST(Strip, WorkedExample) {
    const BandColours bands = BandsOf(PackRgb(200, 100, 0));
    EXPECT_EQ(bands[0], PackRgb(255, 255, 255));
    EXPECT_EQ(bands[14], PackRgb(199, 115, 17));
    EXPECT_EQ(bands[15], PackRgb(200, 100, 0));
    EXPECT_EQ(bands[16], PackRgb(187, 93, 0));
    EXPECT_EQ(bands[29], PackRgb(18, 2, 0));
}

TEST(Strip, EdgeBands) {
    const BandColours black = BandsOf(0), white = BandsOf(0xFFFFFF), red8 = BandsOf(PackRgb(8, 0, 0));
    for (int band = 0; band < kBandCount; ++band) {
        const int grey = band < kBaseBand ? 255 - 17 * band : 0;
        EXPECT_EQ(black[band], PackRgb(grey, grey, grey)) << band;
        const int fallen = band <= kBaseBand ? 255 : 255 - 17 * (band - kBaseBand);
        EXPECT_EQ(white[band], PackRgb(fallen, fallen, fallen)) << band;
        // A band that would go below zero is black, and so is every band below it.
        EXPECT_TRUE(band <= 22 || red8[band] == kBlack) << band;
    }
    EXPECT_EQ(red8[22], PackRgb(1, 0, 0));
    // -1 and values with a top byte draw and show as their low three bytes.
    EXPECT_EQ(BandsOf(-1), BandsOf(PackRgb(255, 0, 0)));
    EXPECT_EQ(BandsOf(0x7F123456), BandsOf(0x00123456));
    EXPECT_EQ(DisplayedColour(-1), PackRgb(255, 0, 0));
    EXPECT_EQ(DisplayedColour(0x7F123456), 0x123456);
}
