// IEEE binary64 (double) arithmetic in integers, each step rounded to the nearest, ties to even, as
// SSE2 rounds it: the hue readout's double formula, whose rounding errors decide its halfway points,
// which an x87 unit would round otherwise at 80 bits. Only what that formula needs: quotients, sums,
// differences, the sign and the nearest integer, of normal numbers and zero.
#pragma once

#include <bit>
#include <cstdint>
#include <tuple>
#include <utility>

namespace tintora {

class Binary64 {
public:
    constexpr Binary64() = default;

    // numerator / denominator as a double division gives it; both positive, the denominator below 2^10.
    static Binary64 Ratio(int numerator, int denominator) {
        // A quotient of 54 or 55 bits by long division, one more bit for the remainder (sticky).
        const auto dividend = static_cast<std::uint64_t>(numerator);
        const auto divisor = static_cast<std::uint64_t>(denominator);
        const int shift = kBits + 1 + Width(divisor) - Width(dividend);
        const std::uint64_t scaled = dividend << shift;
        return Rounded(false, -shift - 1, ((scaled / divisor) << 1) | (scaled % divisor != 0 ? 1 : 0));
    }

    // Of two numbers that are not zero: the smaller aligned to the larger with eight spare bits, the
    // bits shifted out of it kept as a sticky bit, which never lands on a halfway point of the rounding.
    friend Binary64 operator+(Binary64 a, Binary64 b) {
        if (std::tie(a.exponent_, a.significand_) < std::tie(b.exponent_, b.significand_)) std::swap(a, b);
        constexpr int kSpare = 8;
        const std::uint64_t larger = a.significand_ << kSpare;
        std::uint64_t smaller = b.significand_ << kSpare;
        const int shift = a.exponent_ - b.exponent_;
        if (shift >= 62) {
            smaller = 1; // all of it below the larger's last bit
        } else if (shift > 0) {
            const bool lost = (smaller & ((std::uint64_t{1} << shift) - 1)) != 0;
            smaller = (smaller >> shift) | (lost ? 1 : 0);
        }
        const std::uint64_t magnitude = a.negative_ == b.negative_ ? larger + smaller : larger - smaller;
        return Rounded(a.negative_, a.exponent_ - kSpare, magnitude);
    }
    friend Binary64 operator-(Binary64 a, Binary64 b) {
        b.negative_ = !b.negative_;
        return a + b;
    }

    bool IsNegative() const { return negative_ && significand_ != 0; }

    // To the nearest integer, ties to even, as nearbyint does; of a value from 0 to below 2^52.
    std::uint64_t NearestEven() const {
        if (significand_ == 0 || exponent_ < -kBits) return 0; // below a half
        const std::uint64_t whole = significand_ >> -exponent_;
        const std::uint64_t rest = significand_ & ((std::uint64_t{1} << -exponent_) - 1);
        const std::uint64_t half = std::uint64_t{1} << (-exponent_ - 1);
        return whole + (rest > half || (rest == half && whole % 2 != 0) ? 1 : 0);
    }

private:
    static constexpr int kBits = 53;

    Binary64(bool negative, int exponent, std::uint64_t significand)
        : negative_(negative)
        , exponent_(exponent)
        , significand_(significand) {}

    static int Width(std::uint64_t value) { return static_cast<int>(std::bit_width(value)); }

    // magnitude x 2^exponent rounded to 53 bits. Bit 0 of magnitude may stand for further nonzero
    // bits below it (a sticky bit) but is then never alone on a halfway point.
    static Binary64 Rounded(bool negative, int exponent, std::uint64_t magnitude) {
        if (magnitude == 0) return Binary64{};
        const int drop = Width(magnitude) - kBits;
        if (drop <= 0) return Binary64(negative, exponent + drop, magnitude << -drop);
        std::uint64_t kept = magnitude >> drop;
        const std::uint64_t rest = magnitude & ((std::uint64_t{1} << drop) - 1);
        const std::uint64_t half = std::uint64_t{1} << (drop - 1);
        if (rest > half || (rest == half && kept % 2 != 0)) ++kept;
        if (kept >> kBits != 0) return Binary64(negative, exponent + drop + 1, kept >> 1);
        return Binary64(negative, exponent + drop, kept);
    }

    bool negative_ = false;
    int exponent_ = 0;
    std::uint64_t significand_ = 0; // 2^52 to 2^53 - 1, or 0 for zero
};

} // namespace tintora
