// The readouts are defined by a formula in IEEE doubles (see hsl.h), but a processor without SSE2
// carries doubles at 80 bits and would round some of them the other way. So nothing here is floating
// point: every readout is an exact integer ratio rounded half to even, which the double formula
// agrees with everywhere except where the exact hue lies halfway between two readouts. There the
// rounding errors of the doubles decide, so those few colours replay the double steps in integers.
#include "colour/hsl.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace tintora {
namespace {

// numerator / denominator to the nearest integer, ties to even; both positive.
int RoundedRatio(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    const bool up = twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0);
    return quotient + (up ? 1 : 0);
}

// An IEEE binary64 value, significand x 2^exponent with the significand in [2^52, 2^53) (or 0), and
// the two operations the hue formula rounds with, to the nearest, ties to even.
struct Binary64 {
    bool negative = false;
    int exponent = 0;
    std::uint64_t significand = 0;
};

constexpr int kSignificandBits = 53;

int Width(std::uint64_t value) { return static_cast<int>(std::bit_width(value)); }

// Rounds magnitude x 2^exponent to a significand of 53 bits. Bit 0 of magnitude may stand for
// further nonzero bits below it (a sticky bit), never alone on a halfway point.
Binary64 Rounded(bool negative, int exponent, std::uint64_t magnitude) {
    if (magnitude == 0) return Binary64{};
    const int drop = Width(magnitude) - kSignificandBits;
    if (drop <= 0) return Binary64{negative, exponent + drop, magnitude << -drop};
    std::uint64_t kept = magnitude >> drop;
    const std::uint64_t rest = magnitude & ((std::uint64_t{1} << drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    if (rest > half || (rest == half && kept % 2 != 0)) ++kept;
    if (kept >> kSignificandBits != 0) return Binary64{negative, exponent + drop + 1, kept >> 1};
    return Binary64{negative, exponent + drop, kept};
}

// numerator / denominator, both positive, the denominator below 2^10, as a double division gives it.
Binary64 Quotient(int numerator, int denominator) {
    // A quotient of 54 or 55 bits by long division, then one more bit: the remainder, as a sticky bit.
    const auto divisor = static_cast<std::uint64_t>(denominator);
    const auto dividend = static_cast<std::uint64_t>(numerator);
    const int shift = kSignificandBits + 1 + Width(divisor) - Width(dividend);
    const std::uint64_t scaled = dividend << shift;
    const std::uint64_t sticky = scaled % divisor != 0 ? 1 : 0;
    return Rounded(false, -shift - 1, ((scaled / divisor) << 1) | sticky);
}

// a + b as a double addition gives it: the smaller aligned to the larger with eight spare bits, those
// shifted out kept as a sticky bit.
Binary64 Sum(Binary64 a, Binary64 b) {
    if (b.significand == 0) return a;
    if (a.significand == 0) return b;
    if (a.exponent < b.exponent || (a.exponent == b.exponent && a.significand < b.significand))
        std::swap(a, b);
    constexpr int kSpare = 8;
    const std::uint64_t larger = a.significand << kSpare;
    std::uint64_t smaller = b.significand << kSpare;
    const int shift = a.exponent - b.exponent;
    if (shift >= 62) {
        smaller = 1; // all of it below the larger's last bit
    } else if (shift > 0) {
        const bool lost = (smaller & ((std::uint64_t{1} << shift) - 1)) != 0;
        smaller = (smaller >> shift) | (lost ? 1 : 0);
    }
    const std::uint64_t magnitude = a.negative == b.negative ? larger + smaller : larger - smaller;
    return Rounded(a.negative, a.exponent - kSpare, magnitude);
}

Binary64 Difference(Binary64 a, Binary64 b) {
    b.negative = !b.negative;
    return Sum(a, b);
}

// A non-negative value to the nearest integer, ties to even.
int Nearest(Binary64 value) {
    if (value.exponent >= 0) return static_cast<int>(value.significand << value.exponent);
    if (value.exponent < -kSignificandBits) return 0; // below a half
    const std::uint64_t whole = value.significand >> -value.exponent;
    const std::uint64_t fraction = value.significand & ((std::uint64_t{1} << -value.exponent) - 1);
    const std::uint64_t half = std::uint64_t{1} << (-value.exponent - 1);
    const bool up = fraction > half || (fraction == half && whole % 2 != 0);
    return static_cast<int>(whole) + (up ? 1 : 0);
}

// The hue as the double formula computes it, step by step: each channel's distance below the top,
// (40 x (top - channel) + 0.5) / diff, then sums in the written order.
int HueInDoubles(int red, int green, int blue, int top, int diff) {
    const auto distance = [&](int channel) { return Quotient(80 * (top - channel) + 1, 2 * diff); };
    const auto whole = [](int value) { return Quotient(value, 1); };
    Binary64 hue;
    if (red == top) {
        hue = Difference(distance(blue), distance(green));
    } else if (green == top) {
        hue = Difference(Sum(whole(80), distance(red)), distance(blue));
    } else {
        hue = Difference(Sum(whole(160), distance(green)), distance(red));
    }
    if (hue.negative) hue = Sum(hue, whole(240));
    return Nearest(hue);
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
