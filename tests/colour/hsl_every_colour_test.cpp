// Every one of the 16,777,216 colours against the HSL formula written out afresh in doubles. The same
// source runs natively and, built for Windows, under Wine as a 64-bit and as a 32-bit program, whose
// own code is built for any i686 processor: the readouts must be identical on every processor.
#include "colour/hsl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

using namespace tintora;

namespace {

using Readout = std::array<int, 3>; // hue, sat, lum

// Stored as a double: compiled for the x87 unit, a step still rounds to double here and carries no
// extra bits into the next one, so this stays the IEEE double formula on any 32-bit build.
double Stored(double value) {
    volatile double stored = value;
    return stored;
}

// Nearest integer, ties to even: the default rounding mode.
int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

Readout ExpectedHsl(int r, int g, int b) {
    const int top = std::max({r, g, b});
    const int bottom = std::min({r, g, b});
    const double lum = Stored(static_cast<double>((top + bottom) * 240 + 255) / 510.0);
    if (top == bottom) return {160, 0, Nearest(lum)};

    const int spread = top - bottom;
    const int total = top + bottom;
    const double satBase = lum > 120.0 ? 510.0 - total : static_cast<double>(total);
    const double sat = Stored((spread * 240.0 + 0.5) / satBase);

    // How far each channel sits below the top, in sixths of the hue circle (40 steps each).
    const auto below = [&](int c) { return Stored((40.0 * (top - c) + 0.5) / spread); };
    double hue;
    if (r == top) {
        hue = Stored(below(b) - below(g));
    } else if (g == top) {
        hue = Stored(Stored(below(r) + 80.0) - below(b));
    } else {
        hue = Stored(Stored(below(g) + 160.0) - below(r));
    }
    if (hue < 0.0) hue = Stored(hue + 240.0);
    return {Nearest(hue), Nearest(sat), Nearest(lum)};
}

} // namespace

// Colours whose hue sits on a rounding edge: the rounding errors of IEEE doubles decide them, and
// 80-bit x87 intermediates decide them the other way. The formula below must keep to doubles, or it
// would agree with a program that does not; the program is held to it for every colour.
TEST(HslEveryColour, TheFormulaRoundsItsEdgesAsInDoubles) {
    EXPECT_EQ(ExpectedHsl(80, 1, 0)[0], 0);
    EXPECT_EQ(ExpectedHsl(48, 15, 0)[0], 12);
    EXPECT_EQ(ExpectedHsl(80, 19, 0)[0], 10);
}

TEST(HslEveryColour, MatchesTheFormula) {
    long long wrong = 0;
    for (int b = 0; b < 256; ++b) {
        for (int g = 0; g < 256; ++g) {
            for (int r = 0; r < 256; ++r) {
                const Readout expected = ExpectedHsl(r, g, b);
                const HslColour hsl = RgbToHsl(PackRgb(r, g, b));
                const Readout actual{hsl.Hue, hsl.Sat, hsl.Lum};
                if (actual == expected) continue;
                if (++wrong <= 10)
                    ADD_FAILURE() << r << "," << g << "," << b << " reads hue, sat, lum " << actual[0] << ","
                                  << actual[1] << "," << actual[2] << ", not " << expected[0] << ","
                                  << expected[1] << "," << expected[2];
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "colours read out wrongly";
}
