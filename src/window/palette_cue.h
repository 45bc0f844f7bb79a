// The palette's pick-position cue: a ring of pixels three out from the picked one, so the pixel
// itself and its neighbours stay in view, in black on light colours and white on dark ones.
#pragma once

#include "colour/colour_value.h"
#include "model/key_rules.h"
#include "model/palette_picture.h"

namespace tintora {

inline constexpr int kCueReach = 3;

// Calls visit(x, y) for each pixel of the ring around a pick that lies on the palette.
template <typename Visit> constexpr void ForEachCuePixel(PalettePoint at, Visit visit) {
    for (int dy = -kCueReach; dy <= kCueReach; ++dy)
        for (int dx = -kCueReach; dx <= kCueReach; ++dx)
            if (dx == -kCueReach || dx == kCueReach || dy == -kCueReach || dy == kCueReach) {
                const int x = at.x + dx, y = at.y + dy;
                if (x >= 0 && x < kPaletteWidth && y >= 0 && y < kPaletteHeight) visit(x, y);
            }
}

constexpr ColourValue CueInk(ColourValue under) {
    const int luma = (299 * GetRed(under) + 587 * GetGreen(under) + 114 * GetBlue(under)) / 1000;
    return luma >= 128 ? kBlack : kWhite;
}

} // namespace tintora
