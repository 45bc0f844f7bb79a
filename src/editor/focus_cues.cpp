// Focus cues: which control has the keyboard, shown the way Windows shows it. They stay hidden for
// a mouse user and appear from the first navigation key on (UISF_HIDEFOCUS cleared through
// WM_CHANGEUISTATE). The window keeps that state itself, because not every system keeps it for
// windows that are not dialogs. A focused box shows a dotted rectangle on its frame, never over
// its pixels; the focused palette also shows its pick position, drawn on its display only: picks
// read the palette picture in memory, so the cue never changes a colour a pick reads.
#include "editor/frm_tintora.h"

namespace tintora {
namespace {

constexpr std::array<ControlId, 5> kFocusBoxes{picColors, picGradient, picChosenColor, picCurrent,
                                               picScreenColor};

// The pick-position cue: a ring of pixels three out from the picked one, so the pixel itself and
// its neighbours stay in view.
constexpr int kCueReach = 3;

template <typename Visit> void ForEachCuePixel(PalettePoint at, Visit visit) {
    int index = 0;
    for (int dy = -kCueReach; dy <= kCueReach; ++dy)
        for (int dx = -kCueReach; dx <= kCueReach; ++dx)
            if (dx == -kCueReach || dx == kCueReach || dy == -kCueReach || dy == kCueReach)
                visit(index++, at.x + dx, at.y + dy);
}

// Black on light colours, white on dark ones.
COLORREF ContrastTo(COLORREF colour) {
    const int luma = (299 * GetRValue(colour) + 587 * GetGValue(colour) + 114 * GetBValue(colour)) / 1000;
    return luma >= 128 ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

// The frame the window draws one pixel outside a borderless box.
RECT FrameAround(HWND box, HWND parent) {
    RECT frame{};
    ::GetWindowRect(box, &frame);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&frame), 2);
    ::InflateRect(&frame, 1, 1);
    return frame;
}

} // namespace

// Someone asks to show or hide focus cues: keyboard navigation, or Windows itself.
LRESULT frmTintora::OnChangeUiState(WPARAM wParam, LPARAM lParam) {
    if ((HIWORD(wParam) & UISF_HIDEFOCUS) != 0) {
        if (LOWORD(wParam) == UIS_SET) focusCuesHidden_ = true;
        if (LOWORD(wParam) == UIS_CLEAR) focusCuesHidden_ = false;
        RefreshFocusCues();
    }
    return ::DefWindowProcW(hwnd_, WM_CHANGEUISTATE, wParam, lParam);
}

LRESULT frmTintora::OnQueryUiState() {
    const LRESULT system = ::DefWindowProcW(hwnd_, WM_QUERYUISTATE, 0, 0) & ~LRESULT{UISF_HIDEFOCUS};
    return focusCuesHidden_ ? (system | UISF_HIDEFOCUS) : system;
}

void frmTintora::OnFocusChanged(platform::PictureBox&) { RefreshFocusCues(); }

void frmTintora::RefreshFocusCues() {
    for (ControlId id : kFocusBoxes) {
        platform::PictureBox& box = Box(id);
        const bool shown = box.Focused() && !focusCuesHidden_;
        if (shown == box.FocusCue()) continue;
        box.SetFocusCue(shown);
        if ((::GetWindowLongW(box.Hwnd(), GWL_STYLE) & WS_BORDER) == 0) {
            const RECT frame = FrameAround(box.Hwnd(), hwnd_);
            ::InvalidateRect(hwnd_, &frame, FALSE);
        }
    }
    DrawPaletteCue(Box(picColors).FocusCue());
}

// After the frames: a dotted rectangle over the frame of the focused palette or strip.
void frmTintora::PaintFocusCues(HDC dc) {
    for (ControlId id : {picColors, picGradient}) {
        if (!Box(id).FocusCue()) continue;
        platform::DrawFocusFrame(dc, FrameAround(Control(id), hwnd_));
    }
}

// Every palette pick, by mouse or key, moves the keyboard's pick position there.
void frmTintora::FollowPalettePick(int x, int y) {
    palettePoint_ = PalettePoint{x, y};
    if (paletteCueDrawn_) DrawPaletteCue(true);
}

void frmTintora::DrawPaletteCue(bool shown) {
    if (!shown && !paletteCueDrawn_) return;
    platform::PictureBox& palette = Box(picColors);
    if (paletteCueDrawn_)
        ForEachCuePixel(paletteCueAt_,
                        [&](int i, int x, int y) { palette.SetPixel(x, y, underPaletteCue_[i]); });
    paletteCueDrawn_ = shown;
    if (shown) {
        paletteCueAt_ = palettePoint_;
        const COLORREF ink = ContrastTo(palette.ReadPixel(palettePoint_.x, palettePoint_.y));
        ForEachCuePixel(paletteCueAt_, [&](int i, int x, int y) {
            underPaletteCue_[i] = palette.ReadPixel(x, y);
            palette.SetPixel(x, y, ink);
        });
    }
    palette.Invalidate();
}

} // namespace tintora
