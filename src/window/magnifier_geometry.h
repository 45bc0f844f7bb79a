// The magnifier beside the held eyedropper, decided without a window: how large it is at a density,
// where it goes near the pointer on the pointer's monitor, and which captured screen pixel each of its
// pixels shows. All in physical pixels; monitors left of or above the primary one have negative ones.
#pragma once

#include "colour/colour_value.h"
#include "platform/dpi_scale.h"
#include "platform/pixels.h"
#include "window/palette_cue.h"

namespace tintora {

// The captured block: this many screen pixels each way, centred on the tip.
inline constexpr int kMagnifiedSide = 11;
inline constexpr int kMagnifiedReach = kMagnifiedSide / 2;
// What a captured pixel off every screen shows.
inline constexpr ColourValue kOffScreen = kBlack;
inline constexpr ColourValue kMagnifierBorder = 0x404040;

struct ScreenPoint {
    int x;
    int y;
};

// The captured block around a tip; right and bottom exclusive, as a RECT.
constexpr platform::Edges CapturedBlock(ScreenPoint tip) {
    return {tip.x - kMagnifiedReach, tip.y - kMagnifiedReach, tip.x + kMagnifiedReach + 1,
            tip.y + kMagnifiedReach + 1};
}

constexpr bool Overlap(const platform::Edges& a, const platform::Edges& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The part of a block that lies on the screens (the virtual screen's edges); where none does, an
// empty one (left >= right or top >= bottom).
constexpr platform::Edges OnScreens(const platform::Edges& block, const platform::Edges& screens) {
    return {block.left > screens.left ? block.left : screens.left,
            block.top > screens.top ? block.top : screens.top,
            block.right < screens.right ? block.right : screens.right,
            block.bottom < screens.bottom ? block.bottom : screens.bottom};
}

// Sizes at a density: each captured pixel a square cell of whole pixels (no smoothing), a border
// around them all, and a frame as wide around the centre cell, drawn over its neighbours' edges.
struct MagnifierLook {
    int cell;
    int line;
    int side;
    int gap; // between the tip and the nearest edge of the magnifier, clear of the captured block
};

constexpr MagnifierLook MagnifierLookAt(int dpi) {
    const int cell = platform::Scale(11, dpi) > 1 ? platform::Scale(11, dpi) : 1;
    const int line = platform::Scale(1, dpi) > 1 ? platform::Scale(1, dpi) : 1;
    const int gap =
        platform::Scale(20, dpi) > kMagnifiedReach ? platform::Scale(20, dpi) : kMagnifiedReach + 1;
    return {cell, line, kMagnifiedSide * cell + 2 * line, gap};
}

// Below and right of the tip, clear of the pointer's picture, which rises to the right of it; on the
// other side of the tip where that would run off the monitor. A monitor too small for either side
// keeps the magnifier on it all the same.
constexpr platform::Edges MagnifierPlace(ScreenPoint tip, const platform::Edges& monitor,
                                         const MagnifierLook& look) {
    const auto along = [&look](int tip, int low, int high) {
        int start = tip + look.gap;
        if (start + look.side > high) start = tip - look.gap - look.side;
        if (start < low) start = high - look.side < low ? low : high - look.side;
        return start;
    };
    const int left = along(tip.x, monitor.left, monitor.right);
    const int top = along(tip.y, monitor.top, monitor.bottom);
    return {left, top, left + look.side, top + look.side};
}

// The captured pixel (0 to kMagnifiedSide - 1) that a magnifier pixel along one axis shows, or -1 on
// the border.
constexpr int CellOf(int pixel, const MagnifierLook& look) {
    const int inside = pixel - look.line;
    return inside >= 0 && inside < kMagnifiedSide * look.cell ? inside / look.cell : -1;
}

// Whether a magnifier pixel along one axis lies on the centre cell's frame or within it.
constexpr bool NearCentre(int pixel, const MagnifierLook& look) {
    const int first = look.line + kMagnifiedReach * look.cell;
    return pixel >= first - look.line && pixel < first + look.cell + look.line;
}
constexpr bool InCentre(int pixel, const MagnifierLook& look) {
    return CellOf(pixel, look) == kMagnifiedReach;
}

// Draws the captured block enlarged into the magnifier's picture, both in memory: the border, every
// cell, and the frame around the centre cell in black on light colours and white on dark ones.
constexpr void DrawMagnified(const platform::PixelView& block, const platform::PixelView& shown,
                             const MagnifierLook& look) {
    const auto centre = static_cast<ColourValue>(block.Read(kMagnifiedReach, kMagnifiedReach));
    const ColourValue ink = CueInk(centre);
    for (int y = 0; y < shown.height; ++y) {
        const int row = CellOf(y, look);
        for (int x = 0; x < shown.width; ++x) {
            const int column = CellOf(x, look);
            auto colour = row < 0 || column < 0 ? static_cast<std::uint32_t>(kMagnifierBorder)
                                                : block.Read(column, row);
            if (NearCentre(x, look) && NearCentre(y, look) && !(InCentre(x, look) && InCentre(y, look)))
                colour = static_cast<std::uint32_t>(ink);
            shown.Write(x, y, colour);
        }
    }
}

} // namespace tintora
