// Pixels of a 32-bit top-down picture in memory, addressed in the COLORREF layout (0x00BBGGRR)
// while the memory holds them as a DIB does (0x00RRGGBB). Reads and writes outside the picture do
// nothing; plain memory, so no call here reaches the window server or allocates.
#pragma once

#include <cstdint>

namespace tintora::platform {

// What a read outside the picture answers: no colour, as GetPixel does.
inline constexpr std::uint32_t kNoPixel = 0xFFFFFFFFu;

// DIB pixels are 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
constexpr std::uint32_t SwapRedBlue(std::uint32_t value) {
    return (value & 0x00FF00u) | ((value & 0xFFu) << 16) | ((value >> 16) & 0xFFu);
}

struct PixelView {
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;

    constexpr bool Holds(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    constexpr std::uint32_t Read(int x, int y) const {
        return Holds(x, y) ? SwapRedBlue(bits[y * width + x]) : kNoPixel;
    }
    constexpr void Write(int x, int y, std::uint32_t colour) const {
        if (Holds(x, y)) bits[y * width + x] = SwapRedBlue(colour);
    }
    // A whole picture of this size, row by row.
    constexpr void WriteAll(const std::int32_t* colours) const {
        for (int i = 0; i < width * height; ++i)
            bits[i] = SwapRedBlue(static_cast<std::uint32_t>(colours[i]));
    }
    // Both corners inclusive, clipped to the picture.
    constexpr void Fill(int left, int top, int right, int bottom, std::uint32_t colour) const {
        left = left < 0 ? 0 : left;
        top = top < 0 ? 0 : top;
        right = right >= width ? width - 1 : right;
        bottom = bottom >= height ? height - 1 : bottom;
        const std::uint32_t pixel = SwapRedBlue(colour);
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                bits[y * width + x] = pixel;
    }
};

} // namespace tintora::platform
