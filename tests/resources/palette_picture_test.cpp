#include "resources/palette_picture.h"

#include <gtest/gtest.h>

using namespace tintora;
using modTintora::PackRgb;

TEST(Palette, NamedPixels) {
    const PalettePicture palette;
    EXPECT_EQ(palette.At(0, 0), PackRgb(255, 0, 0));
    EXPECT_EQ(palette.At(2, 0), PackRgb(255, 26, 0));
    EXPECT_EQ(palette.At(0, 170), PackRgb(140, 115, 115));
}

TEST(Palette, HueBandsComeInGroupsOfTwelveWithANarrowFirstBand) {
    EXPECT_EQ(HueBandOfColumn(0), 0);
    EXPECT_EQ(HueBandOfColumn(1), 0);
    EXPECT_EQ(HueBandOfColumn(2), 1);
    EXPECT_EQ(HueBandOfColumn(4), 1);
    EXPECT_EQ(HueBandOfColumn(5), 2);
    EXPECT_EQ(HueBandOfColumn(34), 11);
    EXPECT_EQ(HueBandOfColumn(35), 12);
    EXPECT_EQ(HueBandOfColumn(36), 12);
    EXPECT_EQ(HueBandOfColumn(37), 13);
    EXPECT_EQ(HueBandOfColumn(174), 59);
    // Band k = 12g + m starts at 35g (m = 0) or 35g + 3m - 1.
    for (int k = 1; k < 60; ++k) {
        const int g = k / 12, m = k % 12;
        const int start = m == 0 ? 35 * g : 35 * g + 3 * m - 1;
        EXPECT_EQ(HueBandOfColumn(start), k);
        EXPECT_EQ(HueBandOfColumn(start - 1), k - 1);
    }
}

TEST(Palette, SaturationLevelsChangeOnTheirFirstRows) {
    EXPECT_EQ(SaturationOfRow(0), 240);
    EXPECT_EQ(SaturationOfRow(6), 240);
    EXPECT_EQ(SaturationOfRow(7), 232);
    EXPECT_EQ(SaturationOfRow(13), 216);
    EXPECT_EQ(SaturationOfRow(76), 144);
    EXPECT_EQ(SaturationOfRow(77), 136);
    EXPECT_EQ(SaturationOfRow(163), 32);
    EXPECT_EQ(SaturationOfRow(164), 24);
    EXPECT_EQ(SaturationOfRow(170), 24);
}

TEST(Palette, TopRowIsTheSaturatedSpectrum) {
    // Within the first sixth green rises 0x00, 0x1A, 0x33, ... 0xE6 while red stays full.
    const int rising[] = {0x00, 0x1A, 0x33, 0x4D, 0x66, 0x80, 0x99, 0xB3, 0xCC, 0xE6};
    for (int band = 0; band < 10; ++band)
        EXPECT_EQ(PaletteColour(band, 240), PackRgb(255, rising[band], 0)) << band;
    EXPECT_EQ(PaletteColour(10, 240), PackRgb(255, 255, 0));
    EXPECT_EQ(PaletteColour(20, 240), PackRgb(0, 255, 0));
    EXPECT_EQ(PaletteColour(30, 240), PackRgb(0, 255, 255));
    EXPECT_EQ(PaletteColour(40, 240), PackRgb(0, 0, 255));
    EXPECT_EQ(PaletteColour(50, 240), PackRgb(255, 0, 255));
    EXPECT_EQ(PaletteColour(59, 240), PackRgb(255, 0, 0x1A));
}
