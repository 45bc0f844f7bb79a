// The eyedropper: while it is held, the pointer is the eyedropper, the sampler box stands empty, and
// the pixel under the tip is read from the screen, of whatever program is there.
#pragma once

#include "colour/colour_value.h"
#include "model/key_rules.h"
#include "platform/surface.h"
#include "resources/pictures.h"
#include "window/controls.h"

namespace tintora {

class Eyedropper {
public:
    Eyedropper() = default;
    Eyedropper(const Eyedropper&) = delete;
    Eyedropper& operator=(const Eyedropper&) = delete;

    bool Sampling() const noexcept { return sampling_; }
    // The pointer becomes the eyedropper and the sampler box stands empty.
    void Begin(ControlSet& controls, const Pictures& pictures) noexcept;
    // The pointer and the sampler's picture come back.
    void End(ControlSet& controls) noexcept;
    // The colour of the screen pixel under the pointer's tip.
    ColourValue ReadUnderPointer() noexcept;
    // While held, the arrows move the pointer one screen pixel (ten with Shift). False for other keys.
    static bool Nudge(PickKey key, bool shift) noexcept;

private:
    bool sampling_ = false;
    platform::Surface scratch_; // one pixel, for what a window's device context cannot read directly
};

} // namespace tintora
