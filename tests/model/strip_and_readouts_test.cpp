// The strip's bands and the readout texts.
#include "model/readout_texts.h"
#include "model/spoken_texts.h"
#include "model/strip.h"

#include <gtest/gtest.h>

#include <string>

using namespace tintora;

namespace {

BandColours BandsOf(ColourValue colour) {
    const Channels base = ChannelsOf(colour);
    return ComputeBands(base, TintSteps(base), ShadeSteps(base));
}

} // namespace

TEST(Strip, WorkedExampleAndTheEdgeColours) {
    const BandColours bands = BandsOf(PackRgb(200, 100, 0));
    EXPECT_EQ(bands[0], PackRgb(255, 255, 255));
    EXPECT_EQ(bands[14], PackRgb(199, 115, 17));
    EXPECT_EQ(bands[15], PackRgb(200, 100, 0));
    EXPECT_EQ(bands[16], PackRgb(187, 93, 0));
    EXPECT_EQ(bands[29], PackRgb(18, 2, 0));

    const BandColours black = BandsOf(kBlack);
    EXPECT_EQ(black[1], PackRgb(238, 238, 238));
    EXPECT_EQ(black[14], PackRgb(17, 17, 17));
    EXPECT_EQ(black[15], kBlack);
    EXPECT_EQ(black[29], kBlack);
    const BandColours white = BandsOf(kWhite);
    EXPECT_EQ(white[15], kWhite);
    EXPECT_EQ(white[16], PackRgb(238, 238, 238));
    EXPECT_EQ(white[29], PackRgb(17, 17, 17));
    // Red 8 falls one level a band: band 23 reaches 0, band 24 would go below and is black, as is
    // every band under it.
    const BandColours red8 = BandsOf(PackRgb(8, 0, 0));
    EXPECT_EQ(red8[22], PackRgb(1, 0, 0));
    EXPECT_EQ(red8[23], kBlack);
    EXPECT_EQ(red8[24], kBlack);
    EXPECT_EQ(red8[29], kBlack);
}

TEST(Strip, ValuesOutsideTheColourRangeDrawAsTheirChannels) {
    EXPECT_EQ(BandsOf(-1), BandsOf(PackRgb(255, 0, 0)));
    EXPECT_EQ(BandsOf(0x7F123456), BandsOf(0x00123456));
    EXPECT_EQ(DisplayedColour(-1), PackRgb(255, 0, 0));
    EXPECT_EQ(DisplayedColour(0x7F123456), 0x123456);
}

TEST(Readouts, HueSatLumRedGreenBlueHexAndWhatAScreenReaderHears) {
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
    EXPECT_EQ(std::wstring(SpokenValueOf(0x000064C8).data()), L"C86400");
    EXPECT_EQ(std::wstring(SpokenDescriptionOf(0x000064C8).data()),
              L"hue 20, saturation 240, luminance 95, red 200, green 100, blue 0");
}
