#include "colour/hsl.h"

#include <cmath>

namespace tintora {
namespace {

// Nearest integer, ties to even, independent of the FPU rounding mode.
std::int16_t RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) result = floor + 1.0;
    return static_cast<std::int16_t>(result);
}

double LumBeforeRounding(int sum) { return static_cast<double>(sum * 240 + 255) / 510.0; }

} // namespace

std::int16_t LumReadout(int sum) { return RoundHalfEven(LumBeforeRounding(sum)); }

std::int16_t SatReadout(int sum, int diff) {
    if (diff == 0) return 0;
    // The test uses the luminance before rounding: sums up to 253 take the first form.
    const double divisor =
        LumBeforeRounding(sum) <= 120.0 ? static_cast<double>(sum) : static_cast<double>(510 - sum);
    return RoundHalfEven((static_cast<double>(diff * 240) + 0.5) / divisor);
}

std::int16_t HueReadout(ColourValue value) {
    const std::int16_t red = GetRed(value);
    const std::int16_t green = GetGreen(value);
    const std::int16_t blue = GetBlue(value);
    const std::int16_t cMax = MaxOf(MaxOf(red, green), blue);
    const std::int16_t cMin = MinOf(MinOf(red, green), blue);
    const int diff = cMax - cMin;
    if (diff == 0) return 160;
    const auto distance = [&](std::int16_t channel) {
        return (static_cast<double>(40 * (cMax - channel)) + 0.5) / static_cast<double>(diff);
    };
    const double redDistance = distance(red);
    const double greenDistance = distance(green);
    const double blueDistance = distance(blue);
    double hue = 0.0;
    if (red == cMax) {
        hue = blueDistance - greenDistance;
    } else if (green == cMax) {
        hue = (80.0 + redDistance) - blueDistance;
    } else {
        hue = (160.0 + greenDistance) - redDistance;
    }
    // No wrap at the top: a hue just below 240 rounds to 240.
    if (hue < 0.0) hue += 240.0;
    return RoundHalfEven(hue);
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
