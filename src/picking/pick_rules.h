// What a mouse event on the palette or the strip does, decided from its button mask and position
// alone. Positions are the floats the window delivers, compared as they are: 0 is inside, the
// width or height is outside.
#pragma once

#include <cmath>

namespace tintora {

constexpr bool InsideArea(float x, float y, float width, float height) {
    return x >= 0.0f && x < width && y >= 0.0f && y < height;
}

// Palette: a press and a release always pick (where inside); a move only with a button held.
constexpr bool PaletteMovePicks(int buttons) { return buttons != 0; }

enum class StripAction { Nothing, Pick, HoldTop, HoldBottom };

// A move beyond the strip's top or bottom holds the marker at that edge whatever the buttons say:
// only a drag can take the pointer there.
constexpr StripAction StripMoveAction(int buttons, float y, float height) {
    if (y < 0.0f) return StripAction::HoldTop;
    if (y >= height) return StripAction::HoldBottom;
    return buttons != 0 ? StripAction::Pick : StripAction::Nothing;
}

constexpr StripAction StripReleaseAction(float y, float height) {
    return y >= 0.0f && y < height ? StripAction::Pick : StripAction::Nothing;
}

// The strip row under the pointer: nearest integer, ties to even.
inline int StripRowAt(float y) { return static_cast<int>(std::nearbyint(y)); }

} // namespace tintora
