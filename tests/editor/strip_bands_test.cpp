#include "editor/marker.h"
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
    const Channels base = ChannelsOf(PackRgb(200, 100, 0));
    const ChannelSteps tint = TintSteps(base);
    const ChannelSteps shade = ShadeSteps(base);
    EXPECT_EQ(tint.red, -4);
    EXPECT_EQ(tint.green, -10);
    EXPECT_EQ(tint.blue, -17);
    EXPECT_EQ(shade.red, -13);
    EXPECT_EQ(shade.green, -7);
    EXPECT_EQ(shade.blue, 0);
    const BandColours bands = ComputeBands(base, tint, shade);
    EXPECT_EQ(bands[0], PackRgb(255, 255, 255));
    EXPECT_EQ(bands[14], PackRgb(199, 115, 17));
    EXPECT_EQ(bands[15], PackRgb(200, 100, 0));
    EXPECT_EQ(bands[16], PackRgb(187, 93, 0));
    EXPECT_EQ(bands[29], PackRgb(18, 2, 0));
}

TEST(Strip, BlackIsGreyAboveAndBlackFromTheBaseDown) {
    const BandColours bands = BandsOf(0);
    for (int band = 0; band < kBaseBand; ++band) {
        const int level = 255 - 17 * band;
        EXPECT_EQ(bands[band], PackRgb(level, level, level)) << band;
    }
    for (int band = kBaseBand; band < kBandCount; ++band)
        EXPECT_EQ(bands[band], kBlack) << band;
}

TEST(Strip, WhiteIsWhiteToTheBaseThenFallsBy17) {
    const BandColours bands = BandsOf(0xFFFFFF);
    for (int band = 0; band <= kBaseBand; ++band)
        EXPECT_EQ(bands[band], 0xFFFFFF) << band;
    EXPECT_EQ(bands[16], PackRgb(238, 238, 238));
    EXPECT_EQ(bands[28], PackRgb(34, 34, 34));
    EXPECT_EQ(bands[29], PackRgb(17, 17, 17));
}

TEST(Strip, BandBelowZeroIsBlackAndSoIsEveryBandBelowIt) {
    const BandColours bands = BandsOf(PackRgb(8, 0, 0));
    EXPECT_EQ(bands[23], PackRgb(0, 0, 0));
    EXPECT_EQ(bands[22], PackRgb(1, 0, 0));
    for (int band = 24; band < kBandCount; ++band)
        EXPECT_EQ(bands[band], kBlack) << band;
}

TEST(Strip, NegativeAndTopByteValues) {
    const Channels minusOne = ChannelsOf(-1);
    EXPECT_EQ(minusOne.red, 255);
    EXPECT_EQ(minusOne.green, 0);
    EXPECT_EQ(minusOne.blue, 0);
    EXPECT_EQ(BandsOf(-1), BandsOf(PackRgb(255, 0, 0)));
    EXPECT_EQ(BandsOf(0x7F123456), BandsOf(0x00123456));
    EXPECT_EQ(DisplayedColour(-1), PackRgb(255, 0, 0));
    EXPECT_EQ(DisplayedColour(0x7F123456), 0x123456);
    EXPECT_EQ(DisplayedColour(0x123456), 0x123456);
}

TEST(Marker, StartMarksTheBaseColourAndTheArrowTipPointsAtIt) {
    EXPECT_EQ(BandOfRow(StripRowFor(kStartMarker)), kBaseBand);
    EXPECT_EQ(ArrowTopFor(kStartMarker), 88);
    EXPECT_EQ(ArrowTopFor(40), 53);
    EXPECT_EQ(ArrowTopFor(0), 13);
    EXPECT_EQ(ArrowTopFor(171), 184);
    // Beyond the strip the colour is read from the nearest row.
    EXPECT_EQ(StripRowFor(171), 170);
    EXPECT_EQ(StripRowFor(-3), 0);
    EXPECT_EQ(StripRowFor(40), 40);
}
