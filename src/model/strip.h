// The luminance strip: 30 horizontal bands from white at the top, through the base colour in band 15,
// down towards black. Pure arithmetic; the window paints what this computes.
#pragma once

#include "colour/colour_value.h"

#include <array>

namespace tintora {

inline constexpr int kStripColumns = 11;
inline constexpr int kStripRows = 171;
inline constexpr int kBandCount = 30;
inline constexpr int kBaseBand = 15;
inline constexpr int kBandRows = 5;      // every band but the last, which runs to the strip's end
inline constexpr int kDeepestShade = 14; // the last band is as many shade steps below the base

struct Channels {
    Channel red;
    Channel green;
    Channel blue;
    friend constexpr bool operator==(Channels, Channels) = default;
};

struct ChannelSteps {
    int red;
    int green;
    int blue;
    friend constexpr bool operator==(ChannelSteps, ChannelSteps) = default;
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
    return PackRgb(c.red, c.green, c.blue);
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

constexpr int BandFirstRow(int band) { return kBandRows * band; }
constexpr int BandLastRow(int band) {
    return band == kBandCount - 1 ? kStripRows - 1 : kBandRows * band + kBandRows - 1;
}
// The band that covers a strip row (0 to kStripRows - 1).
constexpr int BandAt(int row) {
    return row >= BandFirstRow(kBandCount - 1) ? kBandCount - 1 : row / kBandRows;
}

using BandColours = std::array<ColourValue, kBandCount>;

// The colour of every band. A band with a channel below 0 has no colour and is black, and so is
// every band below it.
BandColours ComputeBands(Channels base, ChannelSteps tint, ChannelSteps shade);

} // namespace tintora
