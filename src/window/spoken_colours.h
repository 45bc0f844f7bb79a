// Which colour a control speaks of: the swatches their own, and the palette and the strip, whose
// keys choose the New colour, that one.
#pragma once

#include "model/colour_model.h"
#include "window/layout.h"

#include <optional>

namespace tintora {

constexpr std::optional<ColourValue> SpokenColourOf(ControlId id, const ColourModel& model) {
    switch (id) {
    case picChosenColor:
    case picColors:
    case picGradient: return model.Chosen();
    case picCurrent: return model.Current();
    default: return std::nullopt;
    }
}

} // namespace tintora
