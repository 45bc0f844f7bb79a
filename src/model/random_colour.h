// Random: three uniform draws of 24 bits become channels 1-255, so a random colour never has a
// channel of 0 (never black or a pure primary) but can be white.
#pragma once

#include "colour/colour_value.h"

#include <cstdint>
#include <random>

namespace tintora {

// 255 x k / 2^24 cut to an integer, plus one. It is what single precision made of a draw of k / 2^24,
// int(draw x 255.0f) + 1: rounding the product to a float never carries it to the next integer. In
// integers, as an x87 unit would not round the product to a float at all.
constexpr int RandomChannel(std::uint32_t bits24) { return static_cast<int>(bits24 * 255u >> 24) + 1; }

constexpr ColourValue RandomColour(std::uint32_t bits1, std::uint32_t bits2, std::uint32_t bits3) {
    return PackRgb(RandomChannel(bits1), RandomChannel(bits2), RandomChannel(bits3));
}

// The engine Random draws from, 32 bits a draw.
using RandomEngine = std::mt19937;

// 24 uniform random bits: the top ones of a 32-bit engine's draw.
template <typename Engine> std::uint32_t DrawBits(Engine& engine) {
    return static_cast<std::uint32_t>(engine()) >> 8;
}

} // namespace tintora
