// Picking with the keyboard. On the focused palette the arrows move a pick position one pixel (ten
// with Shift) and Home and End go to the row's ends; on the focused strip the arrows move the marker
// one row, Page Up and Page Down one band, Home and End to the first and last rows. Each key is a
// pick exactly as a mouse press at that place would be. While the eyedropper is held the arrows
// nudge the pointer one screen pixel (ten with Shift), and the sample follows it.
#include "editor/frm_tintora.h"

#include "editor/marker.h"

#include <optional>

namespace tintora {
namespace {

constexpr int kBandRows = BandFirstRow(1) - BandFirstRow(0);

std::optional<PickKey> PickKeyOf(int virtualKey) {
    switch (virtualKey) {
    case VK_LEFT: return PickKey::Left;
    case VK_RIGHT: return PickKey::Right;
    case VK_UP: return PickKey::Up;
    case VK_DOWN: return PickKey::Down;
    case VK_HOME: return PickKey::Home;
    case VK_END: return PickKey::End;
    case VK_PRIOR: return PickKey::PageUp;
    case VK_NEXT: return PickKey::PageDown;
    default: return std::nullopt;
    }
}

constexpr bool ShiftHeld(int shift) { return (shift & 1) != 0; }

} // namespace

bool frmTintora::OnKeyDown(platform::PictureBox& box, const platform::KeyEvent& event) {
    switch (box.Id()) {
    case picColors: return picColors_KeyDown(event.key, event.shift);
    case picGradient: return picGradient_KeyDown(event.key, event.shift);
    case picScreenColor: return picScreenColor_KeyDown(event.key, event.shift);
    default: return false;
    }
}

// A key on the focused palette.
bool frmTintora::picColors_KeyDown(int key, int shift) {
    const std::optional<PickKey> pickKey = PickKeyOf(key);
    if (!pickKey) return false;
    const platform::PictureBox& palette = Box(picColors);
    const std::optional<PalettePoint> target = PaletteKeyTarget(palettePoint_, *pickKey, ShiftHeld(shift),
                                                                palette.ScaleWidth(), palette.ScaleHeight());
    if (!target) return false;
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    PalettePick(static_cast<float>(target->x), static_cast<float>(target->y));
    AnnounceChosenColour();
    return true;
}

// A key on the focused strip.
bool frmTintora::picGradient_KeyDown(int key, int) {
    const std::optional<PickKey> pickKey = PickKeyOf(key);
    if (!pickKey) return false;
    const std::optional<int> row =
        StripKeyTarget(state_.MarkerPos, *pickKey, Box(picGradient).ScaleHeight(), kBandRows);
    if (!row) return false;
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    StripPick(static_cast<float>(*row));
    AnnounceChosenColour();
    return true;
}

// A key while the eyedropper is held (the sampler keeps the focus from the press on); at any other
// time the sampler takes no keys.
bool frmTintora::picScreenColor_KeyDown(int key, int shift) {
    if (pointer_ != Pointer::Eyedropper) return false;
    const std::optional<PickKey> pickKey = PickKeyOf(key);
    const std::optional<PixelStep> step = pickKey ? ArrowStep(*pickKey, ShiftHeld(shift)) : std::nullopt;
    if (!step) return false;
    POINT point{};
    ::GetCursorPos(&point);
    ::SetCursorPos(point.x + step->dx, point.y + step->dy);
    return true;
}

} // namespace tintora
