// Hue, sat and lum typed back into a colour: every triple some colour has, and triples none has
// against every colour, ranked afresh. Built optimised and without sanitizers, so the 16.7 million
// conversions and inverses take seconds.
#include "colour/hsl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <tuple>
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

// Every colour's readouts, as indices, found once for the whole suite.
const std::vector<int>& ReadoutsOfEveryColour() {
    static const std::vector<int> readouts = [] {
        std::vector<int> found(1 << 24);
        for (ColourValue value = 0; value <= 0xFFFFFF; ++value)
            found[value] = IndexOf(RgbToHsl(value));
        return found;
    }();
    return readouts;
}

const std::vector<bool>& Existing() {
    static const std::vector<bool> existing = [] {
        std::vector<bool> found(kScale * kScale * kScale);
        for (const int index : ReadoutsOfEveryColour())
            found[index] = true;
        return found;
    }();
    return existing;
}

// The continuous colour as CSS Color 4 converts HSL: each channel is l - a x max(-1, min(k - 3,
// 9 - k, 1)), with a = s x min(l, 1 - l) and k = (n + hue / 30 degrees) mod 12, n being 0 for red,
// 8 for green and 4 for blue. Worked in twentieths of k, in 1/76800 of a channel step.
using Point = std::array<std::int64_t, 3>;
Point ContinuousColour(HslColour hsl) {
    Point channels{};
    constexpr int kN[] = {0, 8, 4};
    for (int i = 0; i < 3; ++i) {
        const int k = (20 * kN[i] + hsl.Hue) % 240;
        const int m = std::max(-20, std::min({k - 60, 180 - k, 20}));
        channels[i] = 81600LL * hsl.Lum - 17LL * hsl.Sat * std::min<int>(hsl.Lum, 240 - hsl.Lum) * m;
    }
    return channels;
}

std::int64_t Distance(const Point& a, const Point& b) {
    std::int64_t sum = 0;
    for (int i = 0; i < 3; ++i)
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    return sum;
}

// The ranking of hsl_inverse.cpp, lowest first, aiming at the wanted readouts' continuous colour.
std::tuple<std::int64_t, std::int64_t, ColourValue> Rank(const Point& aim, ColourValue colour) {
    const Point exact{76800LL * GetRed(colour), 76800LL * GetGreen(colour), 76800LL * GetBlue(colour)};
    return {Distance(ContinuousColour(HslAt(ReadoutsOfEveryColour()[colour])), aim), Distance(exact, aim),
            colour};
}

std::string Text(HslColour hsl) {
    return std::to_string(hsl.Hue) + "," + std::to_string(hsl.Sat) + "," + std::to_string(hsl.Lum);
}

} // namespace

// Every colour's own readouts give a colour with exactly them, and no colour that has them ranks
// before it.
TEST(ColourWithHsl, ReadoutsAColourHasGiveTheOneWithThemNearestTheirContinuousColourThenTheSmaller) {
    int failures = 0;
    for (ColourValue value = 0; value <= 0xFFFFFF && failures < 10; ++value) {
        const HslColour hsl = RgbToHsl(value);
        const ColourValue given = ColourWithHsl(hsl);
        const Point aim = ContinuousColour(hsl);
        if (RgbToHsl(given) == hsl && Rank(aim, given) <= Rank(aim, value)) continue;
        ++failures;
        ADD_FAILURE() << Text(hsl) << " gave " << std::hex << given << ", not " << value;
    }
}

// Where no colour has the readouts, no colour at all ranks before the one given: first the readouts
// that some colour has are ranked, then the colours with the nearest.
TEST(ColourWithHsl, NearestReadoutsByTheRgbDistanceOfTheirContinuousColours) {
    std::vector<HslColour> targets{{20, 0, 120}, {20, 1, 120}, {0, 120, 1}, {7, 3, 230}};
    for (int index = 12345; targets.size() < 24; index = (index + 104729) % (kScale * kScale * kScale))
        if (!Existing()[index]) targets.push_back(HslAt(index));
    for (const HslColour wanted : targets) {
        ASSERT_FALSE(Existing()[IndexOf(wanted)]) << Text(wanted);
        const Point aim = ContinuousColour(wanted);
        std::vector<int> nearest;
        std::int64_t least = -1;
        for (int index = 0; index < kScale * kScale * kScale; ++index) {
            const std::int64_t off = Existing()[index] ? Distance(ContinuousColour(HslAt(index)), aim) : -1;
            if (off >= 0 && (least < 0 || off < least)) nearest.clear(), least = off;
            if (off >= 0 && off == least) nearest.push_back(index);
        }
        auto best = Rank(aim, kWhite);
        for (ColourValue value = 0; value <= 0xFFFFFF; ++value)
            if (std::find(nearest.begin(), nearest.end(), ReadoutsOfEveryColour()[value]) != nearest.end())
                best = std::min(best, Rank(aim, value));
        EXPECT_EQ(ColourWithHsl(wanted), std::get<2>(best)) << Text(wanted);
    }
}

// Where no colour has them: sat 0 gives a grey of that lum whatever the hue, lum 0 black and lum 240
// white whatever the hue and sat.
TEST(ColourWithHsl, SatZeroIsAGreyLumZeroBlackLum240White) {
    for (std::int16_t hue = 0; hue <= 240; ++hue) {
        for (std::int16_t other = 0; other <= 240; ++other) {
            const HslColour grey{hue, 0, other}, black{hue, other, 0}, white{hue, other, 240};
            ASSERT_TRUE(Existing()[IndexOf(grey)] ||
                        RgbToHsl(ColourWithHsl(grey)) == (HslColour{160, 0, other}))
                << Text(grey);
            ASSERT_TRUE(Existing()[IndexOf(black)] || ColourWithHsl(black) == kBlack) << Text(black);
            ASSERT_TRUE(Existing()[IndexOf(white)] || ColourWithHsl(white) == kWhite) << Text(white);
        }
    }
}
