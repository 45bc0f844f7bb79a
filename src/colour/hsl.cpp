// The readouts are defined by a formula in IEEE doubles (see hsl.h), but a processor without SSE2
// carries doubles at 80 bits and would round some of them the other way. So nothing here is floating
// point: every readout is an exact integer ratio rounded half to even, which the double formula
// agrees with everywhere except where the exact hue lies halfway between two readouts. There the
// rounding errors of the doubles decide, so those few colours replay the double steps in integers.
#include "colour/hsl.h"

#include "colour/binary64.h"

#include <cstdint>

namespace tintora {
namespace {

// numerator / denominator to the nearest integer, ties to even; both positive.
int RoundedRatio(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    const bool up = twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0);
    return quotient + (up ? 1 : 0);
}

// The hue as the double formula computes it, step by step: each channel's distance below the top,
// (40 x (top - channel) + 0.5) / diff, then sums in the written order.
int HueInDoubles(int red, int green, int blue, int top, int diff) {
    const auto distance = [&](int channel) { return Binary64::Ratio(80 * (top - channel) + 1, 2 * diff); };
    Binary64 hue;
    if (red == top) {
        hue = distance(blue) - distance(green);
    } else if (green == top) {
        hue = (Binary64::Ratio(80, 1) + distance(red)) - distance(blue);
    } else {
        hue = (Binary64::Ratio(160, 1) + distance(green)) - distance(red);
    }
    if (hue.IsNegative()) hue = hue + Binary64::Ratio(240, 1);
    return static_cast<int>(hue.NearestEven());
}

int LumTimes510(int sum) { return sum * 240 + 255; }

} // namespace

std::int16_t LumReadout(int sum) { return static_cast<std::int16_t>(RoundedRatio(LumTimes510(sum), 510)); }

std::int16_t SatReadout(int sum, int diff) {
    if (diff == 0) return 0;
    // The formula divides by the sum while the luminance before rounding is at most 120: sums up to 253.
    const int divisor = LumTimes510(sum) <= 120 * 510 ? sum : 510 - sum;
    return static_cast<std::int16_t>(RoundedRatio(480 * diff + 1, 2 * divisor));
}

std::int16_t HueReadout(ColourValue value) {
    const std::int16_t red = GetRed(value);
    const std::int16_t green = GetGreen(value);
    const std::int16_t blue = GetBlue(value);
    const int top = MaxOf(MaxOf(red, green), blue);
    const int diff = top - MinOf(MinOf(red, green), blue);
    if (diff == 0) return 160;
    // The exact hue is part / diff; the offsets of the 0.5 in each distance cancel.
    int part = 0;
    if (red == top) {
        part = 40 * (green - blue);
    } else if (green == top) {
        part = 80 * diff + 40 * (blue - red);
    } else {
        part = 160 * diff + 40 * (red - green);
    }
    // No wrap at the top: a hue just below 240 rounds to 240.
    if (part < 0) part += 240 * diff;
    if (2 * (part % diff) == diff)
        return static_cast<std::int16_t>(HueInDoubles(red, green, blue, top, diff));
    return static_cast<std::int16_t>(RoundedRatio(part, diff));
}

HslColour RgbToHsl(ColourValue value) {
    const std::int16_t red = GetRed(value);
    const std::int16_t green = GetGreen(value);
    const std::int16_t blue = GetBlue(value);
    const std::int16_t cMax = MaxOf(MaxOf(red, green), blue);
    const std::int16_t cMin = MinOf(MinOf(red, green), blue);
    return HslColour{HueReadout(value), SatReadout(cMax + cMin, cMax - cMin), LumReadout(cMax + cMin)};
}

} // namespace tintora
