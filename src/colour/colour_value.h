// A colour is one signed 32-bit value laid out 0x00BBGGRR: red in the low byte, then green, then blue.
// It is the layout Windows calls COLORREF and the layout Messenger stores, so a colour crosses every
// boundary of the program unchanged. The packing lives here and nowhere else.
#pragma once

#include <cstdint>

namespace tintora {

using ColourValue = std::int32_t;
using Channel = std::int16_t;

constexpr ColourValue PackRgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

// Each channel routine looks at its own byte only; the top byte never leaks into a channel.
constexpr Channel GetRed(ColourValue value) { return static_cast<Channel>(value & 0xFF); }
constexpr Channel GetGreen(ColourValue value) { return static_cast<Channel>((value & 0xFF00) / 256); }
constexpr Channel GetBlue(ColourValue value) { return static_cast<Channel>((value & 0xFF0000) / 65536); }

constexpr std::int16_t MaxOf(std::int16_t a, std::int16_t b) { return a > b ? a : b; }
constexpr std::int16_t MinOf(std::int16_t a, std::int16_t b) { return a < b ? a : b; }

inline constexpr ColourValue kBlack = 0;
inline constexpr ColourValue kWhite = 0xFFFFFF;

} // namespace tintora
