// Which key moves a pick how far, decided from the key and the area alone. The palette's pick
// position steps one pixel (ten with Shift) and stays inside the picture; the strip's marker steps
// one row or one band and stays on the strip's rows; the eyedropper's pointer steps one screen
// pixel (ten with Shift).
#pragma once

#include <optional>

namespace tintora {

// The keys that pick; the window maps its virtual-key codes onto these.
enum class PickKey { Left, Right, Up, Down, Home, End, PageUp, PageDown };

struct PixelStep {
    int dx;
    int dy;
};

struct PalettePoint {
    int x;
    int y;
    friend constexpr bool operator==(PalettePoint, PalettePoint) = default;
};

inline constexpr int kFineStep = 1;
inline constexpr int kCoarseStep = 10;

constexpr int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

// Arrows and their Shift steps; nothing for the other keys.
constexpr std::optional<PixelStep> ArrowStep(PickKey key, bool shift) {
    const int step = shift ? kCoarseStep : kFineStep;
    switch (key) {
    case PickKey::Left: return PixelStep{-step, 0};
    case PickKey::Right: return PixelStep{step, 0};
    case PickKey::Up: return PixelStep{0, -step};
    case PickKey::Down: return PixelStep{0, step};
    default: return std::nullopt;
    }
}

// Where a key takes the palette's pick position in a width x height picture: arrows step, Home and
// End go to the ends of the row. Nothing for keys the palette does not use.
constexpr std::optional<PalettePoint> PaletteKeyTarget(PalettePoint at, PickKey key, bool shift, int width,
                                                       int height) {
    if (key == PickKey::Home) return PalettePoint{0, Clamp(at.y, 0, height - 1)};
    if (key == PickKey::End) return PalettePoint{width - 1, Clamp(at.y, 0, height - 1)};
    const std::optional<PixelStep> step = ArrowStep(key, shift);
    if (!step) return std::nullopt;
    return PalettePoint{Clamp(at.x + step->dx, 0, width - 1), Clamp(at.y + step->dy, 0, height - 1)};
}

// The row a key takes the strip's marker to, from the marked row (which may be one past the last
// row after a drag held it below the strip): Up and Down one row, Page Up and Page Down one band,
// Home and End the first and last rows.
constexpr std::optional<int> StripKeyTarget(int row, PickKey key, int rows, int bandRows) {
    switch (key) {
    case PickKey::Up: return Clamp(row - 1, 0, rows - 1);
    case PickKey::Down: return Clamp(row + 1, 0, rows - 1);
    case PickKey::PageUp: return Clamp(row - bandRows, 0, rows - 1);
    case PickKey::PageDown: return Clamp(row + bandRows, 0, rows - 1);
    case PickKey::Home: return 0;
    case PickKey::End: return rows - 1;
    default: return std::nullopt;
    }
}

} // namespace tintora
