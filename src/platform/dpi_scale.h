// The arithmetic of showing a window laid out in 96-dpi pixels on a screen of another density. All
// of it lives here, so the layout, the enlarged pictures, the mouse and the arrow round alike.
// Two kinds of numbers: layout lengths scale to the nearest pixel (Scale); a picture of fixed pixel
// size is enlarged nearest-neighbour, screen pixel p showing its pixel floor(p * 96 / dpi), and the
// mouse maps back the same way, so a press lands on the picture pixel drawn under the pointer.
#pragma once

#include <cstdint>

namespace tintora::platform {

inline constexpr int kBaseDpi = 96;

// n / d rounded down, also below zero (C++ division rounds towards zero).
constexpr int FloorDiv(long long n, long long d) {
    const long long quotient = n / d;
    return static_cast<int>(quotient * d != n && (n < 0) != (d < 0) ? quotient - 1 : quotient);
}

// A layout position or length at the density: nearest pixel, halves away from zero (as MulDiv).
constexpr int Scale(int value, int dpi) {
    const long long product = static_cast<long long>(value) * dpi;
    return static_cast<int>(product >= 0 ? (product + kBaseDpi / 2) / kBaseDpi
                                         : -((-product + kBaseDpi / 2) / kBaseDpi));
}

// A layout rectangle at the density. Its edges are scaled, not its size, so neighbours that meet in
// the layout still meet (a frame and the picture inside it).
struct Edges {
    int left;
    int top;
    int right;
    int bottom;
    friend constexpr bool operator==(const Edges&, const Edges&) = default;
};
constexpr Edges ScaleEdges(int left, int top, int width, int height, int dpi) {
    return Edges{Scale(left, dpi), Scale(top, dpi), Scale(left + width, dpi), Scale(top + height, dpi)};
}

// The picture pixel that screen pixel p shows: floor(p * 96 / dpi). Also left of or above the
// picture, where a captured mouse can be.
constexpr int LogicalFromPhysical(int physical, int dpi) {
    return FloorDiv(static_cast<long long>(physical) * kBaseDpi, dpi);
}

// The first screen pixel that shows picture pixel n: ceil(n * dpi / 96). Also the number of screen
// pixels that show n picture pixels whole.
constexpr int FirstPhysical(int logical, int dpi) {
    return -FloorDiv(-static_cast<long long>(logical) * dpi, kBaseDpi);
}

// The middle one of the screen pixels that show picture pixel n (the upper of two middles).
constexpr int MiddlePhysical(int logical, int dpi) {
    return FloorDiv(FirstPhysical(logical, dpi) + FirstPhysical(logical + 1, dpi) - 1, 2);
}

// The picture pixel under the pointer in a box `shown` screen pixels long that shows a picture
// `model` pixels long. The box may end part-way through the picture's last pixel; a pointer beyond
// the box's end is beyond the picture too.
constexpr int ModelPosition(int physical, int shown, int model, int dpi) {
    const int logical = LogicalFromPhysical(physical, dpi);
    return physical >= shown && logical < model ? model : logical;
}

// Enlarges a picture nearest-neighbour into a screen-sized one, row by row, both in the same pixel
// layout. Screen pixels past what the picture covers repeat its last row or column.
inline void ScaleNearest(const std::uint32_t* model, int modelWidth, int modelHeight, std::uint32_t* shown,
                         int shownWidth, int shownHeight, int dpi) noexcept {
    if (modelWidth <= 0 || modelHeight <= 0) return;
    for (int y = 0; y < shownHeight; ++y) {
        const int row = LogicalFromPhysical(y, dpi);
        const std::uint32_t* from = model + (row < modelHeight ? row : modelHeight - 1) * modelWidth;
        std::uint32_t* to = shown + y * shownWidth;
        for (int x = 0; x < shownWidth; ++x) {
            const int column = LogicalFromPhysical(x, dpi);
            to[x] = from[column < modelWidth ? column : modelWidth - 1];
        }
    }
}

} // namespace tintora::platform
