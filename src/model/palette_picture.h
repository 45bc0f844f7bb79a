// The colour palette: 175 x 171 pixels of fully to lightly saturated hues at 50 % lightness.
// Columns carry 60 hue bands (6 degrees apart, in five groups of twelve, 35 pixels a group, the
// first band of a group 2 pixels wide and the others 3); rows carry 27 saturation levels, from
// full at the top to a tenth at the bottom. Made once, at start-up, and never changed.
#pragma once

#include "colour/colour_value.h"

#include <array>

namespace tintora {

inline constexpr int kPaletteWidth = 175;
inline constexpr int kPaletteHeight = 171;

// Hue band (0-59) of a palette column.
constexpr int HueBandOfColumn(int x) {
    const int within = x % 35;
    return 12 * (x / 35) + (within < 2 ? 0 : (within + 1) / 3);
}

// Saturation (on the 0-240 scale) of a palette row.
int SaturationOfRow(int y);

// The RGB form of hue 6 x band degrees, the given saturation and 50 % lightness, each channel rounded
// to the nearest integer, halves up. Exact integer arithmetic: halves such as 25.5 occur.
ColourValue PaletteColour(int hueBand, int saturation);

class PalettePicture {
public:
    PalettePicture();
    // The colour at a pixel; callers keep to the picture.
    ColourValue At(int x, int y) const { return pixels_[y * kPaletteWidth + x]; }
    const ColourValue* Pixels() const { return pixels_.data(); }

private:
    std::array<ColourValue, kPaletteWidth * kPaletteHeight> pixels_;
};

} // namespace tintora
