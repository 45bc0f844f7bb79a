// What a screen reader says of a colour: the hex text as the value, the other readouts in words as
// the description.
#pragma once

#include "colour/colour_value.h"

#include <array>

namespace tintora {

using SpokenText = std::array<wchar_t, 80>;

// "C86400": the colour as the hex readout shows it.
SpokenText SpokenValueOf(ColourValue colour);
// "hue 20, saturation 240, luminance 95, red 200, green 100, blue 0": the other readouts in words.
SpokenText SpokenDescriptionOf(ColourValue colour);

} // namespace tintora
