#include "window/focus_cues.h"

#include "window/palette_cue.h"

namespace tintora {
namespace {

constexpr std::array<ControlId, 5> kFocusBoxes{picColors, picGradient, picChosenColor, picCurrent,
                                               picScreenColor};

// The frame the window draws one pixel outside a borderless box.
RECT FrameAround(HWND box, HWND parent) {
    RECT frame{};
    ::GetWindowRect(box, &frame);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&frame), 2);
    ::InflateRect(&frame, 1, 1);
    return frame;
}

} // namespace

LRESULT FocusCues::OnChangeUiState(HWND window, WPARAM wParam, LPARAM lParam) noexcept {
    if ((HIWORD(wParam) & UISF_HIDEFOCUS) != 0) {
        if (LOWORD(wParam) == UIS_SET) hidden_ = true;
        if (LOWORD(wParam) == UIS_CLEAR) hidden_ = false;
    }
    return ::DefWindowProcW(window, WM_CHANGEUISTATE, wParam, lParam);
}

LRESULT FocusCues::OnQueryUiState(HWND window) const noexcept {
    const LRESULT system = ::DefWindowProcW(window, WM_QUERYUISTATE, 0, 0) & ~LRESULT{UISF_HIDEFOCUS};
    return hidden_ ? (system | UISF_HIDEFOCUS) : system;
}

void FocusCues::Refresh(HWND window, PalettePoint pick) noexcept {
    for (ControlId id : kFocusBoxes) {
        platform::PictureBox& box = controls_.Box(id);
        const bool shown = box.Focused() && !hidden_;
        if (shown == box.FocusCue()) continue;
        box.SetFocusCue(shown);
        if ((::GetWindowLongW(box.Hwnd(), GWL_STYLE) & WS_BORDER) == 0) {
            const RECT frame = FrameAround(box.Hwnd(), window);
            ::InvalidateRect(window, &frame, FALSE);
        }
    }
    DrawPaletteCue(controls_.Box(picColors).FocusCue(), pick);
}

void FocusCues::Paint(HWND window, HDC dc) const noexcept {
    for (ControlId id : {picColors, picGradient}) {
        if (!controls_.Box(id).FocusCue()) continue;
        platform::DrawFocusFrame(dc, FrameAround(controls_.Control(id), window));
    }
}

// The cue is drawn on the palette's display only and taken away with the picture's own pixels; picks
// read the picture, so the cue never changes a colour a pick takes.
void FocusCues::DrawPaletteCue(bool shown, PalettePoint pick) noexcept {
    if (shown == paletteCueDrawn_ && (!shown || pick == paletteCueAt_)) return;
    platform::PictureBox& box = controls_.Box(picColors);
    if (paletteCueDrawn_)
        ForEachCuePixel(paletteCueAt_, [&](int x, int y) { box.SetPixel(x, y, palette_.At(x, y)); });
    paletteCueDrawn_ = shown;
    if (shown) {
        paletteCueAt_ = pick;
        const auto ink = static_cast<COLORREF>(CueInk(palette_.At(pick.x, pick.y)));
        ForEachCuePixel(pick, [&](int x, int y) { box.SetPixel(x, y, ink); });
    }
    box.Invalidate();
}

} // namespace tintora
