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
    const BandColours black = BandsOf(0);
    for (int band = 0; band < kBandCount; ++band) {
        const int level = band < kBaseBand ? 255 - 17 * band : 0;
        EXPECT_EQ(black[band], PackRgb(level, level, level)) << "black " << band;
    }
    const BandColours white = BandsOf(0xFFFFFF);
    for (int band = 0; band <= kBaseBand; ++band)
        EXPECT_EQ(white[band], 0xFFFFFF) << "white " << band;
    EXPECT_EQ(white[16], PackRgb(238, 238, 238));
    EXPECT_EQ(white[29], PackRgb(17, 17, 17));
    // A band that would go below zero is black, and so is every band below it.
    const BandColours red8 = BandsOf(PackRgb(8, 0, 0));
    EXPECT_EQ(red8[22], PackRgb(1, 0, 0));
    for (int band = 23; band < kBandCount; ++band)
        EXPECT_EQ(red8[band], kBlack) << band;
    // -1 and values with a top byte draw and show as their low three bytes.
    EXPECT_EQ(BandsOf(-1), BandsOf(PackRgb(255, 0, 0)));
    EXPECT_EQ(BandsOf(0x7F123456), BandsOf(0x00123456));
    EXPECT_EQ(DisplayedColour(-1), PackRgb(255, 0, 0));
    EXPECT_EQ(DisplayedColour(0x7F123456), 0x123456);
}
