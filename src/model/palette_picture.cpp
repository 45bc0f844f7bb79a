#include "model/palette_picture.h"

namespace tintora {
namespace {

// First row of each saturation level, and the level's saturation.
constexpr std::array<int, 27> kLevelFirstRow{0,  7,  13,  19,  26,  32,  38,  44,  51,  57,  63,  69,  77, 83,
                                             89, 95, 101, 108, 114, 120, 126, 133, 139, 145, 151, 158, 164};

constexpr int LevelSaturation(int level) {
    return level == 0 ? 240 : level == 1 ? 232 : 216 - 8 * (level - 2);
}

// One channel of an HSL colour at 50 % lightness, times 255. With the hue in fifths of a 30-degree
// step, k = (5n + band) mod 60 and t = clamp(min(k - 15, 45 - k), -5, 5), the channel is
// 255 x (1/2 - (sat / 240) / 2 x t / 5) = (306000 - 255 x sat x t) / 2400.
int ChannelAt(int n, int hueBand, int saturation) {
    const int k = (5 * n + hueBand) % 60;
    int t = k - 15 < 45 - k ? k - 15 : 45 - k;
    t = t < -5 ? -5 : t > 5 ? 5 : t;
    return (306000 - 255 * saturation * t + 1200) / 2400; // + half a unit, then floor: halves up
}

} // namespace

int SaturationOfRow(int y) {
    int level = 0;
    while (level + 1 < static_cast<int>(kLevelFirstRow.size()) && kLevelFirstRow[level + 1] <= y)
        ++level;
    return LevelSaturation(level);
}

ColourValue PaletteColour(int hueBand, int saturation) {
    return PackRgb(ChannelAt(0, hueBand, saturation), ChannelAt(8, hueBand, saturation),
                   ChannelAt(4, hueBand, saturation));
}

PalettePicture::PalettePicture() {
    for (int y = 0; y < kPaletteHeight; ++y) {
        const int saturation = SaturationOfRow(y);
        for (int x = 0; x < kPaletteWidth; ++x)
            pixels_[y * kPaletteWidth + x] = PaletteColour(HueBandOfColumn(x), saturation);
    }
}

} // namespace tintora
