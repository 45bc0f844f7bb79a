// Hue, sat and lum typed back into a colour, over every colour, and where no colour has the readouts
// typed, against a search of every readout that exists. Built optimised and without sanitizers, so the
// 16.7 million conversions and 5 million inverses take seconds.
#include "colour/hsl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace tintora;

namespace {

constexpr int kScale = 241; // readouts run 0-240

int IndexOf(HslColour hsl) { return (hsl.Hue * kScale + hsl.Sat) * kScale + hsl.Lum; }
HslColour HslAt(int index) {
    return HslColour{static_cast<std::int16_t>(index / kScale / kScale),
                     static_cast<std::int16_t>(index / kScale % kScale),
                     static_cast<std::int16_t>(index % kScale)};
}

// Which readouts some colour has, found once for the whole suite.
const std::vector<bool>& Existing() {
    static const std::vector<bool> existing = [] {
        std::vector<bool> found(kScale * kScale * kScale);
        for (ColourValue value = 0; value <= 0xFFFFFF; ++value)
            found[IndexOf(RgbToHsl(value))] = true;
        return found;
    }();
    return existing;
}

// Readouts as points of the double cone: luminance the height, hue the angle, saturation the distance
// from the axis, narrowing to nothing at black and white.
double ConeDistance(HslColour a, HslColour b) {
    const double angle = 2.0 * std::numbers::pi * (a.Hue - b.Hue) / 240.0;
    const double ra = a.Sat * std::min<int>(a.Lum, 240 - a.Lum) / 120.0;
    const double rb = b.Sat * std::min<int>(b.Lum, 240 - b.Lum) / 120.0;
    return ra * ra + rb * rb - 2.0 * ra * rb * std::cos(angle) + (a.Lum - b.Lum) * (a.Lum - b.Lum);
}

std::string Text(HslColour hsl) {
    return std::to_string(hsl.Hue) + "," + std::to_string(hsl.Sat) + "," + std::to_string(hsl.Lum);
}

} // namespace

TEST(ColourWithHsl, EveryColoursOwnReadoutsGiveAColourWithExactlyThem) {
    std::vector<bool> tried(kScale * kScale * kScale);
    int failures = 0;
    for (ColourValue value = 0; value <= 0xFFFFFF && failures < 10; ++value) {
        const HslColour hsl = RgbToHsl(value);
        if (tried[IndexOf(hsl)]) continue;
        tried[IndexOf(hsl)] = true;
        const ColourValue back = ColourWithHsl(hsl);
        if (!(RgbToHsl(back) == hsl) && ++failures)
            ADD_FAILURE() << Text(hsl) << " (as " << std::hex << value << ") gave " << back;
    }
    EXPECT_EQ(tried, Existing());
}

// Where no colour has the readouts, none has readouts nearer than the one given. Among them every
// hue and saturation with lum 0 or 240 (black, white), and every hue and luminance with sat 0: the
// given colour is the very point of the cone (black, white or the grey of that luminance).
TEST(ColourWithHsl, WhereNoColourHasTheReadoutsTheNearestOnesAreGiven) {
    std::vector<HslColour> targets{{20, 0, 120}, {0, 120, 1}, {20, 1, 120},
                                   {0, 10, 0},   {7, 3, 230}, {30, 240, 240}};
    for (int index = 12345; targets.size() < 60; index = (index + 104729) % (kScale * kScale * kScale))
        if (!Existing()[index]) targets.push_back(HslAt(index));
    for (std::int16_t hue = 0; hue <= 240; ++hue)
        for (std::int16_t other = 0; other <= 240; ++other)
            for (const HslColour hsl :
                 {HslColour{hue, 0, other}, HslColour{hue, other, 0}, HslColour{hue, other, 240}})
                if (!Existing()[IndexOf(hsl)]) targets.push_back(hsl);
    for (const HslColour wanted : targets) {
        ASSERT_FALSE(Existing()[IndexOf(wanted)]) << Text(wanted);
        const HslColour given = RgbToHsl(ColourWithHsl(wanted));
        const double distance = ConeDistance(wanted, given);
        if (distance == 0.0) continue; // nothing is nearer
        // No readouts nearer: only luminances within the distance can be.
        const int reach = static_cast<int>(std::sqrt(distance)) + 1;
        for (int lum = std::max(0, wanted.Lum - reach); lum <= std::min(240, wanted.Lum + reach); ++lum)
            for (std::int16_t hue = 0; hue <= 240; ++hue)
                for (std::int16_t sat = 0; sat <= 240; ++sat) {
                    const HslColour other{hue, sat, static_cast<std::int16_t>(lum)};
                    if (!Existing()[IndexOf(other)]) continue;
                    ASSERT_GE(ConeDistance(wanted, other), distance - 1e-9)
                        << Text(wanted) << " gave " << Text(given) << ", " << Text(other) << " is nearer";
                }
    }
}
