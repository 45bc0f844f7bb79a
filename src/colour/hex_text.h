// The six-digit colour text: red, green, blue, two upper-case hex digits each, no prefix.
#pragma once

#include "colour/colour_value.h"

#include <array>

namespace tintora {

using HexText = std::array<char, 7>; // six digits and a terminator

constexpr HexText HexTextOf(ColourValue value) {
    constexpr char digits[] = "0123456789ABCDEF";
    const int channels[3] = {GetRed(value), GetGreen(value), GetBlue(value)};
    HexText text{};
    for (int i = 0; i < 3; ++i) {
        text[2 * i] = digits[channels[i] / 16];
        text[2 * i + 1] = digits[channels[i] % 16];
    }
    text[6] = '\0';
    return text;
}

} // namespace tintora
