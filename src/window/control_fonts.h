// The fonts the window's controls show their texts in, made for a density. MS Sans Serif 8.25 pt
// where the system has it; elsewhere the face and size nearest to it in which every caption and
// readout fits its box.
#pragma once

#include "platform/handles.h"
#include "window/layout.h"

namespace tintora {

class ControlFonts {
public:
    static ControlFonts Make(int dpi);
    // The font a control shows its text in.
    HFONT For(const ControlLayout& layout) const noexcept;

private:
    platform::UniqueFont regular_;
    platform::UniqueFont bold_;
    platform::UniqueFont hex_; // the hex readout's, where the others' does not fit it
};

} // namespace tintora
