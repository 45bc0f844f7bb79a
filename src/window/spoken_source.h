// What screen readers hear of the window's controls: every picture box and readout has a name, the
// swatches say their colour as the hex text with the other readouts as description, and the palette
// and the strip, whose keys choose the New colour, say that colour too. Buttons and labels speak
// their own captions.
#pragma once

#include "model/colour_model.h"
#include "platform/accessible_source.h"

namespace tintora {

class SpokenSource final : public platform::AccessibleSource {
public:
    explicit SpokenSource(const ColourModel& model) noexcept
        : model_(model) {}

    // Cut short to fit size characters with the NUL; false where the control has no such text of ours.
    bool AccessibleText(int controlId, platform::AccessibleField field, wchar_t* text,
                        int size) noexcept override;

private:
    const ColourModel& model_;
};

} // namespace tintora
