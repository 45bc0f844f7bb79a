// The eyedropper while it is held: the pointer is the eyedropper, the sampler box stands empty, and
// the screen pixels around the tip are read whenever the pointer moves and, for a pointer held still
// over something that changes, once a display frame. The magnifier beside the tip shows them; the
// sample is the centre one. Nothing runs between two samples.
#pragma once

#include "colour/colour_value.h"
#include "model/key_rules.h"
#include "platform/surface.h"
#include "resources/pictures.h"
#include "window/controls.h"
#include "window/magnifier.h"

#include <optional>

namespace tintora {

class Eyedropper {
public:
    Eyedropper() = default;
    Eyedropper(const Eyedropper&) = delete;
    Eyedropper& operator=(const Eyedropper&) = delete;

    bool Held() const noexcept { return held_; }
    // The pointer becomes the eyedropper, the sampler box stands empty, the frame timer starts on
    // the window, and the magnifier comes with the first sample.
    void Begin(HWND window, ControlSet& controls, const Pictures& pictures) noexcept;
    // The pointer and the sampler's picture come back, the timer stops and the magnifier goes. The mouse is
    // let go, or kept until the button comes up, so that a cancelled press picks nothing on its way out.
    void End(HWND window, ControlSet& controls, bool keepMouse = false) noexcept;
    // The colour of the screen pixel under the pointer's tip, which the magnifier then shows in its
    // centre; nothing once no mouse button is held any more, when the release never came (the mouse
    // was taken away).
    std::optional<ColourValue> Sample(bool checkButtons) noexcept;
    // While held, the arrows move the pointer one screen pixel (ten with Shift). False for other keys.
    static bool Nudge(PickKey key, bool shift) noexcept;

    static constexpr UINT_PTR kFrameTimer = 1;

private:
    bool CaptureScreen(POINT point) noexcept;
    ColourValue ReadInWindowUnder(POINT point) noexcept;

    bool held_ = false;
    platform::UniqueWindowDc screen_{nullptr, platform::WindowDcReleaser{}};
    platform::Surface block_; // the pixels around the tip, kMagnifiedSide square, made once
    ColourValue last_ = kBlack;
    Magnifier magnifier_;
};

} // namespace tintora
