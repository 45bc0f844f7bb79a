// Random: three uniform draws in [0, 1) become channels 1-255, so a random colour never has a
// channel of 0 (never black or a pure primary) but can be white.
#pragma once

#include "colour/colour_value.h"

#include <cstdint>

namespace tintora {

constexpr int RandomChannel(float draw) { return static_cast<int>(draw * 255.0f) + 1; }

constexpr ColourValue RandomColour(float r1, float r2, float r3) {
    return PackRgb(RandomChannel(r1), RandomChannel(r2), RandomChannel(r3));
}

// Uniform single-precision draws in [0, 1), never 1: 24 random bits scaled down exactly.
template <typename Engine> float DrawUnit(Engine& engine) {
    return static_cast<float>(static_cast<std::uint32_t>(engine()) >> 8) * (1.0f / 16777216.0f);
}

} // namespace tintora
