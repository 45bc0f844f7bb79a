#include "platform/dpi_scale.h"

#include <gtest/gtest.h>

using namespace tintora::platform;

TEST(DpiScale, LayoutGoesToTheNearestPixelAndNeighboursStillMeet) {
    EXPECT_EQ(Scale(275, 144), 413); // 412.5: halves go up
    EXPECT_EQ(Scale(11, 120), 14);   // 13.75
    EXPECT_EQ(Scale(-3, 144), -5);   // away from zero, as MulDiv
    // Edges scale, not sizes: at 150 % the palette ends where the strip's frame column starts.
    EXPECT_EQ(ScaleEdges(9, 17, 175, 171, 144).left, 14);
    EXPECT_EQ(ScaleEdges(9, 17, 175, 171, 144).right, Scale(184, 144));
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
}
