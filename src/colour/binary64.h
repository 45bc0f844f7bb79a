// IEEE binary64 (double) arithmetic done in integers, each step rounded to the nearest, ties to
// even, as SSE2 rounds it. The readouts and the HSL inverse are defined by double formulas whose
// rounding errors decide some results, and an x87 unit carries doubles at 80 bits and would round
// them differently. Normal numbers and zero only: the formulas here make no infinities, NaNs or
// subnormals.
#pragma once

#include <bit>
#include <compare>
#include <cstdint>
#include <tuple>
#include <utility>

namespace tintora {

class Binary64 {
public:
    constexpr Binary64() = default;
    // A whole number below 2^53, exactly.
    explicit Binary64(std::int64_t whole)
        : Binary64(Rounded(whole < 0, 0, static_cast<std::uint64_t>(whole < 0 ? -whole : whole))) {}

    // numerator / denominator, as a double division of the two gives it; the denominator positive
    // and below 2^10.
    static Binary64 Ratio(int numerator, int denominator) {
        if (numerator == 0) return Binary64{};
        // A quotient of 54 or 55 bits by long division, one more bit for the remainder (sticky).
        const auto dividend = static_cast<std::uint64_t>(numerator < 0 ? -numerator : numerator);
        const auto divisor = static_cast<std::uint64_t>(denominator);
        const int shift = kBits + 1 + Width(divisor) - Width(dividend);
        const std::uint64_t scaled = dividend << shift;
        const std::uint64_t sticky = scaled % divisor != 0 ? 1 : 0;
        return Rounded(numerator < 0, -shift - 1, ((scaled / divisor) << 1) | sticky);
    }

    // An IEEE double given by its bits; a normal number.
    static Binary64 FromBits(std::uint64_t bits) {
        const int biased = static_cast<int>((bits >> 52) & 0x7FF);
        return Binary64((bits >> 63) != 0, biased - 1075, (bits & (kHidden - 1)) | kHidden);
    }

    // Above every value the formulas make: a search's "nothing found yet".
    static Binary64 Largest() { return Binary64(false, 1 << 20, kHidden); }

    friend Binary64 operator-(Binary64 a) {
        a.negative_ = !a.negative_;
        return a;
    }
    friend Binary64 Abs(Binary64 a) {
        a.negative_ = false;
        return a;
    }

    // The smaller aligned to the larger with eight spare bits; the bits shifted out of it kept as a
    // sticky bit, which never lands on a halfway point of the rounding.
    friend Binary64 operator+(Binary64 a, Binary64 b) {
        if (b.significand_ == 0) return a.significand_ != 0 ? a : Binary64(a.negative_ && b.negative_, 0, 0);
        if (a.significand_ == 0) return b;
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
    friend Binary64 operator-(Binary64 a, Binary64 b) { return a + -b; }

    // The product of two 53-bit significands has 105 or 106 bits: kept in two halves, then its top
    // 62 bits with the rest as a sticky bit.
    friend Binary64 operator*(Binary64 a, Binary64 b) {
        const bool negative = a.negative_ != b.negative_;
        if (a.significand_ == 0 || b.significand_ == 0) return Binary64(negative, 0, 0);
        constexpr std::uint64_t kHalf = 0xFFFFFFFF;
        const std::uint64_t aHigh = a.significand_ >> 32, aLow = a.significand_ & kHalf;
        const std::uint64_t bHigh = b.significand_ >> 32, bLow = b.significand_ & kHalf;
        const std::uint64_t middle = aHigh * bLow + aLow * bHigh; // below 2^54
        const std::uint64_t low = aLow * bLow + (middle << 32);
        const std::uint64_t high = aHigh * bHigh + (middle >> 32) + (low < (middle << 32) ? 1 : 0);
        const int shift = Width(high) + 2; // high has 40 to 42 bits
        const bool lost = (low & ((std::uint64_t{1} << shift) - 1)) != 0;
        const std::uint64_t top = (high << (64 - shift)) | (low >> shift) | (lost ? 1 : 0);
        return Rounded(negative, a.exponent_ + b.exponent_ + shift, top);
    }

    friend std::strong_ordering operator<=>(Binary64 a, Binary64 b) {
        if (a.Sign() != b.Sign() || a.Sign() == 0) return a.Sign() <=> b.Sign();
        const auto magnitudes =
            std::tie(a.exponent_, a.significand_) <=> std::tie(b.exponent_, b.significand_);
        return a.Sign() > 0 ? magnitudes : 0 <=> magnitudes;
    }
    friend bool operator==(Binary64 a, Binary64 b) { return (a <=> b) == 0; }

    // To the nearest integer, ties to even (as nearbyint does) or away from zero (as lround does).
    std::int64_t NearestEven() const { return Nearest(false); }
    std::int64_t NearestAway() const { return Nearest(true); }

private:
    static constexpr int kBits = 53;
    static constexpr std::uint64_t kHidden = std::uint64_t{1} << (kBits - 1);

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

    int Sign() const { return significand_ == 0 ? 0 : negative_ ? -1 : 1; }

    std::int64_t Nearest(bool tiesAway) const {
        if (exponent_ < -kBits) return 0; // below a half, or zero
        std::uint64_t whole = significand_ << (exponent_ > 0 ? exponent_ : 0);
        if (exponent_ < 0) {
            whole = significand_ >> -exponent_;
            const std::uint64_t rest = significand_ & ((std::uint64_t{1} << -exponent_) - 1);
            const std::uint64_t half = std::uint64_t{1} << (-exponent_ - 1);
            if (rest > half || (rest == half && (tiesAway || whole % 2 != 0))) ++whole;
        }
        const auto magnitude = static_cast<std::int64_t>(whole);
        return negative_ ? -magnitude : magnitude;
    }

    bool negative_ = false;
    int exponent_ = 0;
    std::uint64_t significand_ = 0; // 2^52 to 2^53 - 1, or 0 for zero
};

} // namespace tintora
