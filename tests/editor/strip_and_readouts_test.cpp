// The strip's bands and the readout texts, and a pick through them, which runs once per mouse move
// and must not touch the heap.
#include "colour/hsl.h"
#include "editor/readout_texts.h"
#include "editor/strip_bands.h"

#include <gtest/gtest.h>

#include "allocation_counter.h"

#include <string>

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

TEST(Readouts, HueSatLumRedGreenBlueHex) {
    const auto texts = [](ColourValue colour) {
        std::wstring joined;
        for (const ReadoutText& text : MakeReadoutTexts(colour))
            joined += std::wstring(text.data()) + L"|";
        return joined;
    };
    EXPECT_EQ(texts(0), L"160|0|0|0|0|0|000000|");
    EXPECT_EQ(texts(0xFFFFFF), L"160|0|240|255|255|255|FFFFFF|");
    EXPECT_EQ(texts(0x003264C8), L"13|144|118|200|100|50|C86432|");
    EXPECT_EQ(texts(0x000C0B0A), L"140|22|11|10|11|12|0A0B0C|");
}

TEST(Pick, AllocatesNothing) {
    const long before = testing_support::Allocations();
    long sink = 0;
    for (int colour = 0; colour < 0xFFFFFF; colour += 4099) {
        const BandColours bands = BandsOf(colour);
        sink += MakeReadoutTexts(bands[13])[kHexa][0] + modTintora::RgbToHsl(bands[20]).Lum;
    }
    EXPECT_EQ(testing_support::Allocations(), before);
    EXPECT_NE(sink, 0);
}
