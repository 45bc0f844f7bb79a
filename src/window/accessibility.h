// The controls' spoken texts handed to screen readers, and announcements. A pick that changes the
// New colour is announced once, when it is complete: after a key, at the end of a drag or of
// sampling, after a button.
#pragma once

#include "model/colour_model.h"
#include "window/controls.h"
#include "window/spoken_source.h"

namespace tintora {

class SpokenControls {
public:
    SpokenControls(const ColourModel& model, ControlSet& controls) noexcept
        : model_(model)
        , controls_(controls)
        , source_(model) {}
    SpokenControls(const SpokenControls&) = delete;
    SpokenControls& operator=(const SpokenControls&) = delete;

    // Every control with a name of its own answers screen readers from here on.
    void Attach() noexcept;
    // Tells screen readers of a New colour they have not heard yet.
    void AnnounceChosen() noexcept;

private:
    const ColourModel& model_;
    ControlSet& controls_;
    SpokenSource source_;
    ColourValue announced_ = kBlack; // the chosen colour screen readers last heard of
};

} // namespace tintora
