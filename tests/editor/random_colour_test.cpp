#include "editor/random_colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace tintora;

TEST(Random, ChannelsRunFromOneTo255) {
    EXPECT_EQ(RandomChannel(0.0f), 1);
    EXPECT_EQ(RandomChannel(std::nextafter(1.0f, 0.0f)), 255);
    EXPECT_EQ(RandomChannel(0.5f), 128);
    EXPECT_EQ(RandomColour(0.0f, 0.0f, 0.0f), modTintora::PackRgb(1, 1, 1));
}

TEST(Random, DrawsStayBelowOne) {
    struct Fixed {
        std::uint32_t value;
        std::uint32_t operator()() const { return value; }
    };
    Fixed highest{0xFFFFFFFFu};
    Fixed lowest{0u};
    EXPECT_LT(DrawUnit(highest), 1.0f);
    EXPECT_EQ(DrawUnit(lowest), 0.0f);
    EXPECT_EQ(RandomChannel(DrawUnit(highest)), 255);
}
