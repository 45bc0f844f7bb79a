// The eyedropper while it is held: the pointer is the eyedropper, the sampler box stands empty, and
// the screen pixel under the tip is read whenever the pointer moves and, for a pointer held still
// over something that changes, once a display frame. Nothing runs between two samples.
#pragma once

#include "colour/colour_value.h"
#include "model/key_rules.h"
#include "platform/surface.h"
#include "resources/pictures.h"
#include "window/controls.h"

#include <optional>

namespace tintora {

class Eyedropper {
public:
    Eyedropper() = default;
    Eyedropper(const Eyedropper&) = delete;
    Eyedropper& operator=(const Eyedropper&) = delete;

    bool Held() const noexcept { return held_; }
    // The pointer becomes the eyedropper, the sampler box stands empty, and the frame timer starts
    // on the window.
    void Begin(HWND window, ControlSet& controls, const Pictures& pictures) noexcept;
    // The pointer and the sampler's picture come back and the timer stops. The mouse is let go, or
    // kept until the button comes up, so that a cancelled press picks nothing on its way out.
    void End(HWND window, ControlSet& controls, bool keepMouse = false) noexcept;
    // The colour of the screen pixel under the pointer's tip; nothing once no mouse button is held
    // any more, when the release never came (the mouse was taken away).
    std::optional<ColourValue> Sample(bool checkButtons) noexcept;
    // While held, the arrows move the pointer one screen pixel (ten with Shift). False for other keys.
    static bool Nudge(PickKey key, bool shift) noexcept;

    static constexpr UINT_PTR kFrameTimer = 1;

private:
    ColourValue ReadInWindowUnder(POINT point) noexcept;

    bool held_ = false;
    platform::UniqueWindowDc screen_{nullptr, platform::WindowDcReleaser{}};
    platform::Surface scratch_; // one pixel, for what a window's device context cannot read directly
};

} // namespace tintora
