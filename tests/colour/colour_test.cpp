#include "colour/hsl.h"

#include <gtest/gtest.h>

#include <array>

using namespace tintora;

TEST(RgbToHsl, KnownColours) {
    struct Case {
        int red, green, blue, hue, sat, lum;
    };
    const Case cases[] = {
        {0, 0, 0, 160, 0, 0},         {255, 255, 255, 160, 0, 240}, {128, 128, 128, 160, 0, 121},
        {127, 127, 127, 160, 0, 120}, {192, 192, 192, 160, 0, 181}, {255, 0, 0, 0, 240, 120},
        {0, 255, 0, 80, 240, 120},    {0, 0, 255, 160, 240, 120},   {255, 255, 0, 40, 240, 120},
        {0, 255, 255, 120, 240, 120}, {255, 0, 255, 200, 240, 120}, {255, 0, 1, 240, 240, 120},
        {255, 1, 0, 0, 240, 120},     {255, 128, 0, 20, 240, 120},  {1, 0, 0, 0, 240, 1},
        {2, 0, 0, 0, 240, 1},         {80, 1, 0, 0, 240, 38},       {100, 150, 200, 140, 114, 142},
        {200, 100, 50, 13, 144, 118}, {10, 11, 12, 140, 22, 11},
    };
    for (const Case& c : cases) {
        const HslColour hsl = RgbToHsl(PackRgb(c.red, c.green, c.blue));
        EXPECT_EQ((std::array<int, 3>{hsl.Hue, hsl.Sat, hsl.Lum}), (std::array<int, 3>{c.hue, c.sat, c.lum}))
            << c.red << "," << c.green << "," << c.blue;
    }
}
