#include "platform/dpi_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace platform;

TEST(DpiScale, LayoutGoesToTheNearestPixelAndNeighboursStillMeet) {
    EXPECT_EQ(Scale(290, 96), 290);
    EXPECT_EQ(Scale(275, 144), 413); // 412.5: halves go up
    EXPECT_EQ(Scale(11, 120), 14);   // 13.75
    EXPECT_EQ(Scale(-3, 144), -5);   // away from zero, as MulDiv
    // Edges scale, not sizes: at 150 % the palette ends where the strip's frame column starts.
    const Edges palette = ScaleEdges(9, 17, 175, 171, 144);
    EXPECT_EQ(palette.left, 14);
    EXPECT_EQ(palette.right, Scale(184, 144));
    EXPECT_EQ(ScaleEdges(185, 17, 11, 171, 144).left, Scale(185, 144));
}

TEST(DpiScale, EachScreenPixelMapsBackToThePicturePixelItShows) {
    for (int dpi : {96, 120, 144, 168, 192, 240}) {
        for (int logical = -3; logical < 175; ++logical) {
            const int first = FirstPhysical(logical, dpi), end = FirstPhysical(logical + 1, dpi);
            EXPECT_GE(end - first, 1) << dpi << " " << logical;
            for (int physical = first; physical < end; ++physical)
                EXPECT_EQ(LogicalFromPhysical(physical, dpi), logical) << dpi << " " << physical;
            const int middle = MiddlePhysical(logical, dpi);
            EXPECT_TRUE(middle >= first && middle < end) << dpi << " " << logical;
        }
    }
    EXPECT_EQ(LogicalFromPhysical(-1, 144), -1); // rounded down left of the picture too
    EXPECT_EQ(ModelPosition(174, 175, 175, 96), 174);
    EXPECT_EQ(ModelPosition(175, 175, 175, 96), 175);
}

TEST(DpiScale, PicturesEnlargeNearestNeighbourWithoutBlending) {
    const std::vector<std::uint32_t> model{1, 2, 3, 4, 5, 6}; // 3 wide, 2 high
    std::vector<std::uint32_t> shown(5 * 3);
    ScaleNearest(model.data(), 3, 2, shown.data(), 5, 3, 144);
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{1, 1, 2, 3, 3, 1, 1, 2, 3, 3, 4, 4, 5, 6, 6}));
}
