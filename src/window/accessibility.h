// What screen readers hear: every picture box and readout has a name, the swatches say their colour
// as the hex text with the other readouts as description, and the palette and the strip, whose keys
// choose the New colour, say that colour too. Buttons and labels speak their own captions. A pick
// that changes the New colour is announced once, when it is complete: after a key, at the end of a
// drag or of sampling, after a button.
#pragma once

#include "model/colour_model.h"
#include "platform/accessible.h"
#include "window/controls.h"

namespace tintora {

class SpokenControls final : private platform::AccessibleSource {
public:
    SpokenControls(const ColourModel& model, ControlSet& controls) noexcept
        : model_(model)
        , controls_(controls) {}
    SpokenControls(const SpokenControls&) = delete;
    SpokenControls& operator=(const SpokenControls&) = delete;

    // Every control with a name of its own answers screen readers from here on.
    void Attach() noexcept;
    // Tells screen readers of a New colour they have not heard yet.
    void AnnounceChosen() noexcept;

private:
    bool AccessibleText(int controlId, platform::AccessibleField field, wchar_t* text,
                        int size) noexcept override;

    const ColourModel& model_;
    ControlSet& controls_;
    ColourValue announced_ = kBlack; // the chosen colour screen readers last heard of
};

} // namespace tintora
