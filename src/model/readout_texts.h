// The seven readout texts for a chosen colour, built into fixed buffers: a drag refreshes them on
// every mouse move, so nothing here allocates.
#pragma once

#include "colour/colour_value.h"

#include <array>

namespace tintora {

enum Readout : int { kHue, kSat, kLum, kRed, kGreen, kBlue, kHexa, kReadoutCount };

using ReadoutText = std::array<wchar_t, 8>;
using ReadoutTexts = std::array<ReadoutText, kReadoutCount>;

// Hue, saturation and luminance from RgbToHsl, the three channels in decimal, and the hex text made
// from those same channels, so the decimal and hex readouts always agree.
ReadoutTexts MakeReadoutTexts(ColourValue chosen);

} // namespace tintora
