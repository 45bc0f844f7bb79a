// What the user does: the buttons, the mouse on the palette, the strip and the eyedropper, and keys
// on the focused boxes. Each handler makes one model call and then shows the model; a pick is
// announced to screen readers once it is complete.
#include "window/tintora_window.h"

#include "messenger/im_colour.h"
#include "model/random_colour.h"
#include "window/keys.h"

#include <optional>

namespace tintora {
void TintoraWindow::Render() noexcept {
    view_.Changed();
    focusCues_.Refresh(hwnd_, model_.PalettePick());
}

void TintoraWindow::OnCommand(int id, int code) noexcept {
    if (code != BN_CLICKED) return; // dialog navigation sends Enter and Esc as clicks of IDOK and IDCANCEL
    switch (id) {
    case cmdRandom: Randomise(); break;
    case cmdSaveColor: Save(); break;
    case cmdClose: Close(); break;
    case IDCANCEL: EndSampling(true); break; // Esc: no button answers to it, but it cancels sampling
    default: return;                         // Enter arrives as IDOK; no button answers to it
    }
    if (hwnd_ != nullptr) spoken_.AnnounceChosen();
}

// Alt+R or a click on Random.
void TintoraWindow::Randomise() noexcept {
    const std::uint32_t bits1 = DrawBits(random_);
    const std::uint32_t bits2 = DrawBits(random_);
    const std::uint32_t bits3 = DrawBits(random_);
    model_.Randomise(bits1, bits2, bits3);
    Render();
}

// Alt+S or a click on Save. Shows no message: the Current swatch shows what the registry holds.
void TintoraWindow::Save() noexcept {
    StoreImColour(model_.PrepareSave());
    model_.ShowStored(ReadImColour());
    Render();
}

// Alt+X, Exit, the close box and Alt+F4 all end here, also while the eyedropper is held. Nothing
// is saved on the way out.
void TintoraWindow::Close() noexcept {
    if (hwnd_ == nullptr) return;
    eyedropper_.End(hwnd_, controls_);
    ::DestroyWindow(hwnd_);
}

bool TintoraWindow::PointAt(const platform::PictureBox& box, PointerAction action,
                            const platform::MouseEvent& event) {
    switch (box.Id()) {
    case picColors: return model_.PointOnPalette(action, event.x, event.y, event.button, *palette_);
    case picGradient:
        return model_.PointOnStrip(action, event.y, static_cast<float>(box.ScaleHeight()), event.button);
    default: return false;
    }
}

// Any button pressed on the palette, the strip or the sampler. A second press on the sampler while
// it is held samples once more; one release ends both.
void TintoraWindow::OnMouseDown(platform::PictureBox& box, const platform::MouseEvent& event) {
    if (box.Id() == picScreenColor) return PressSampler();
    if (PointAt(box, PointerAction::Press, event)) Render();
}

// The pointer moved over a box, or anywhere while a button pressed on it is held.
void TintoraWindow::OnMouseMove(platform::PictureBox& box, const platform::MouseEvent& event) {
    if (box.Id() == picScreenColor) {
        if (eyedropper_.Held()) Sample(true);
    } else if (PointAt(box, PointerAction::Move, event)) {
        Render();
    }
}

// A button pressed on a box is let go, wherever the pointer is.
void TintoraWindow::OnMouseUp(platform::PictureBox& box, const platform::MouseEvent& event) {
    if (box.Id() == picScreenColor)
        EndSampling(false);
    else if (PointAt(box, PointerAction::Release, event))
        Render();
    spoken_.AnnounceChosen(); // once, at the end of a drag or of sampling
}

// Something took the mouse away while the eyedropper was held: sampling ends as a release would.
void TintoraWindow::OnCaptureLost(platform::PictureBox& box) {
    if (box.Id() == picScreenColor && eyedropper_.Held()) {
        EndSampling(false);
        spoken_.AnnounceChosen();
    }
}

// The pointer becomes the eyedropper, and the pixel under it is the first sample.
void TintoraWindow::PressSampler() noexcept {
    if (!eyedropper_.Held()) {
        model_.BeginSampling();
        eyedropper_.Begin(hwnd_, controls_, pictures_);
    }
    Sample(false);
}

// One sample: on a move of the held eyedropper, and once a frame for a pointer held still over
// something that changes. A button found up ends sampling as its release would have.
void TintoraWindow::Sample(bool checkButtons) noexcept {
    const std::optional<ColourValue> colour = eyedropper_.Sample(checkButtons);
    if (!colour) {
        EndSampling(false);
        spoken_.AnnounceChosen();
    } else if (model_.TakeSample(*colour)) {
        Render();
    }
}

// Once a display frame: the held eyedropper samples, and the window shows what changed.
void TintoraWindow::OnTimer(WPARAM id) noexcept {
    if (id == Eyedropper::kFrameTimer && eyedropper_.Held()) Sample(true);
    if (id == kFrameTimer) view_.OnFrame();
}

// Released, the mouse taken away, or Escape (cancel), which brings back everything from before the
// press.
void TintoraWindow::EndSampling(bool cancel) noexcept {
    if (!eyedropper_.Held()) return;
    eyedropper_.End(hwnd_, controls_, cancel);
    if (cancel)
        model_.CancelSampling();
    else
        model_.EndSampling();
    Render();
}

// A key on the focused palette or strip, or while the eyedropper is held (the sampler keeps the focus
// from the press on). Each key is a pick exactly as a mouse press at that place would be. Escape never
// comes here: dialog navigation turns it into IDCANCEL, which cancels sampling (OnCommand).
bool TintoraWindow::OnKeyDown(platform::PictureBox& box, const platform::KeyEvent& event) {
    const std::optional<PickKey> key = PickKeyOf(event.key);
    if (!key) return false;
    const bool shift = (event.shift & platform::kShiftHeld) != 0;
    bool used = false;
    switch (box.Id()) {
    case picColors: used = model_.PaletteKey(*key, shift, *palette_); break;
    case picGradient: used = model_.StripKey(*key); break;
    case picScreenColor: return eyedropper_.Held() && Eyedropper::Nudge(*key, shift);
    default: return false;
    }
    if (!used) return false;
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    Render();
    spoken_.AnnounceChosen();
    return true;
}

void TintoraWindow::OnFocusChanged(platform::PictureBox&) { focusCues_.Refresh(hwnd_, model_.PalettePick()); }

} // namespace tintora
