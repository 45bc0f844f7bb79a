// Focus cues: which control has the keyboard, shown the way Windows shows it. They stay hidden for
// a mouse user and appear from the first navigation key on (UISF_HIDEFOCUS cleared through
// WM_CHANGEUISTATE). The window keeps that state itself, because not every system keeps it for
// windows that are not dialogs. A focused box shows a dotted rectangle on its frame, never over
// its pixels; the focused palette also shows its pick position, drawn on its display only.
#pragma once

#include "model/key_rules.h"
#include "model/palette_picture.h"
#include "window/controls.h"

namespace tintora {

class FocusCues {
public:
    FocusCues(ControlSet& controls, const PalettePicture& palette) noexcept
        : controls_(controls)
        , palette_(palette) {}
    FocusCues(const FocusCues&) = delete;
    FocusCues& operator=(const FocusCues&) = delete;

    // Someone asks to show or hide focus cues: keyboard navigation, or Windows itself.
    LRESULT OnChangeUiState(HWND window, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT OnQueryUiState(HWND window) const noexcept;
    // The cues follow the focus and the palette's pick position.
    void Refresh(HWND window, PalettePoint pick) noexcept;
    // After the window's frames: a dotted rectangle over the frame of the focused palette or strip.
    void Paint(HWND window, HDC dc) const noexcept;

private:
    void DrawPaletteCue(bool shown, PalettePoint pick) noexcept;

    ControlSet& controls_;
    const PalettePicture& palette_;
    bool hidden_ = true; // until the keyboard is used, as on Windows
    bool paletteCueDrawn_ = false;
    PalettePoint paletteCueAt_{0, 0};
};

} // namespace tintora
