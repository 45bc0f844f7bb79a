#include "model/palette_picture.h"

#include <gtest/gtest.h>

#include <utility>

using namespace tintora;

TEST(Palette, NamedPixels) {
    const PalettePicture palette;
    EXPECT_EQ(palette.At(0, 0), PackRgb(255, 0, 0));
    EXPECT_EQ(palette.At(2, 0), PackRgb(255, 26, 0));
    EXPECT_EQ(palette.At(0, 170), PackRgb(140, 115, 115));
    EXPECT_EQ(PaletteColour(59, 240), PackRgb(255, 0, 0x1A));
}

TEST(Palette, HueBandsInGroupsOfTwelveWithANarrowFirstBandAndSaturationLevels) {
    EXPECT_EQ(HueBandOfColumn(1), 0);
    EXPECT_EQ(HueBandOfColumn(174), 59);
    // Band k = 12g + m starts at 35g (m = 0) or 35g + 3m - 1.
    for (int k = 1; k < 60; ++k) {
        const int g = k / 12, m = k % 12;
        const int start = m == 0 ? 35 * g : 35 * g + 3 * m - 1;
        EXPECT_EQ(HueBandOfColumn(start), k);
        EXPECT_EQ(HueBandOfColumn(start - 1), k - 1);
    }
    const std::pair<int, int> levels[] = {{0, 240},  {6, 240},  {7, 232},  {13, 216},
                                          {76, 144}, {77, 136}, {164, 24}, {170, 24}};
    for (auto [row, saturation] : levels)
        EXPECT_EQ(SaturationOfRow(row), saturation) << row;
}
