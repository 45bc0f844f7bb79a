// The luminance strip: 30 horizontal bands from white at the top, through the base colour in band 15,
// down towards black. Pure arithmetic; the window paints what this computes.
#pragma once

#include "colour/colour_value.h"

#include <array>

namespace tintora {

using modTintora::Channel;
using modTintora::ColourValue;

inline constexpr int kStripColumns = 11;
inline constexpr int kStripRows = 171;
inline constexpr int kBandCount = 30;
inline constexpr int kBaseBand = 15;
inline constexpr ColourValue kBlack = 0;

struct Channels {
    Channel red;
    Channel green;
    Channel blue;
};

struct ChannelSteps {
    int red;
    int green;
    int blue;
};

// Splits a colour the way the strip does: signed division, so -1 gives pure red (255, 0, 0) and a
// positive value's top byte is ignored.
constexpr Channels ChannelsOf(ColourValue colour) {
    return Channels{static_cast<Channel>(colour & 0xFF), static_cast<Channel>((colour / 256) & 0xFF),
                    static_cast<Channel>((colour / 65536) & 0xFF)};
}

// A stored value as the strip sees it: the colour of its channels. The same value for 0-0xFFFFFF.
constexpr ColourValue DisplayedColour(ColourValue stored) {
    const Channels c = ChannelsOf(stored);
    return modTintora::PackRgb(c.red, c.green, c.blue);
}

// Per-band change towards white (tint) and towards black (shade): minus the nearest integer to
// (255 - x) / 15 and x / 15. Neither quotient ever ends in exactly one half.
constexpr int TintStep(int channel) { return -((255 - channel) * 2 + 15) / 30; }
constexpr int ShadeStep(int channel) { return -(channel * 2 + 15) / 30; }

constexpr ChannelSteps TintSteps(Channels c) {
    return {TintStep(c.red), TintStep(c.green), TintStep(c.blue)};
}
constexpr ChannelSteps ShadeSteps(Channels c) {
    return {ShadeStep(c.red), ShadeStep(c.green), ShadeStep(c.blue)};
}

constexpr int BandFirstRow(int band) { return 5 * band; }
constexpr int BandLastRow(int band) { return band == kBandCount - 1 ? kStripRows - 1 : 5 * band + 4; }
constexpr int BandOfRow(int row) { return row >= 145 ? kBandCount - 1 : row / 5; }

using BandColours = std::array<ColourValue, kBandCount>;

// The colour of every band. A band with a channel below 0 has no colour and is black, and so is
// every band below it.
BandColours ComputeBands(Channels base, ChannelSteps tint, ChannelSteps shade);

} // namespace tintora
