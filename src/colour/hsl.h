// Hue, saturation and luminance on the 0-240 scale Windows uses in its colour dialog.
#pragma once

#include "colour/colour_value.h"

namespace tintora {

struct HslColour {
    std::int16_t Hue;
    std::int16_t Sat;
    std::int16_t Lum;
};

// Every real step is an IEEE double rounded once, in the written order; integers are made only at
// the end, to the nearest, ties to even. Readouts depend on that: 80,1,0 must read hue 0, not 1.
HslColour RgbToHsl(ColourValue value);

} // namespace tintora
