// Hue, saturation and luminance on the 0-240 scale Windows uses in its colour dialog.
#pragma once

#include "colour/colour_value.h"

namespace tintora {

struct HslColour {
    std::int16_t Hue;
    std::int16_t Sat;
    std::int16_t Lum;
};

constexpr bool operator==(HslColour a, HslColour b) {
    return a.Hue == b.Hue && a.Sat == b.Sat && a.Lum == b.Lum;
}

// Every real step is an IEEE double rounded once, in the written order; integers are made only at
// the end, to the nearest, ties to even. Readouts depend on that: 80,1,0 must read hue 0, not 1.
// Computed in integers, so that every processor, with SSE2 or only the x87 unit, reads the same.
HslColour RgbToHsl(ColourValue value);

// RgbToHsl one readout at a time, for searches that vary a colour part by part. Luminance depends on
// the sum of the largest and smallest channels only, saturation on that sum and their difference.
std::int16_t LumReadout(int sum);
std::int16_t SatReadout(int sum, int diff);
std::int16_t HueReadout(ColourValue value);

// The colour whose readouts are exactly these, where one has them; else the one whose readouts are
// nearest, sat 0 being a grey whatever the hue, lum 0 black and lum 240 white. Of several, the one
// nearest the colour the continuous conversion gives. The ranking, exact in integers, is written out
// in hsl_inverse.cpp. Takes well under a microsecond.
ColourValue ColourWithHsl(HslColour readouts);

} // namespace tintora
