#include "platform/dpi_scale.h"

#include "editor/marker.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

using namespace platform;

namespace {

constexpr std::array<int, 6> kDensities{96, 120, 144, 168, 192, 240};

} // namespace

TEST(DpiScale, NothingMovesAt96) {
    for (int value : {0, 1, 9, 17, 171, 175, 290}) {
        EXPECT_EQ(Scale(value, 96), value);
        EXPECT_EQ(LogicalFromPhysical(value, 96), value);
        EXPECT_EQ(FirstPhysical(value, 96), value);
        EXPECT_EQ(MiddlePhysical(value, 96), value);
    }
    EXPECT_EQ(ModelPosition(174, 175, 175, 96), 174);
    EXPECT_EQ(ModelPosition(175, 175, 175, 96), 175);
    EXPECT_EQ(ModelPosition(-3, 175, 175, 96), -3);
    const std::vector<std::uint32_t> model{1, 2, 3, 4, 5, 6};
    std::vector<std::uint32_t> shown(6);
    ScaleNearest(model.data(), 3, 2, shown.data(), 3, 2, 96);
    EXPECT_EQ(shown, model);
}

TEST(DpiScale, LayoutGoesToTheNearestPixelAndNeighboursStillMeet) {
    EXPECT_EQ(Scale(290, 144), 435);
    EXPECT_EQ(Scale(275, 144), 413); // 412.5: halves go up
    EXPECT_EQ(Scale(275, 192), 550);
    EXPECT_EQ(Scale(9, 144), 14);
    EXPECT_EQ(Scale(11, 120), 14); // 13.75
    EXPECT_EQ(Scale(-3, 144), -5); // -4.5: away from zero, as MulDiv
    // Edges scale, not sizes: at 150 % the palette ends where the shared frame column starts and the
    // strip starts where it ends, though 175 and 11 pixels would not round to those widths.
    const Edges palette = ScaleEdges(9, 17, 175, 171, 144);
    const Edges strip = ScaleEdges(185, 17, 11, 171, 144);
    EXPECT_EQ(palette.left, 14);
    EXPECT_EQ(palette.right, Scale(184, 144));
    EXPECT_EQ(strip.left, Scale(185, 144));
    EXPECT_EQ(palette.right - palette.left, 262);
    EXPECT_EQ(strip.right - strip.left, 16);
}

TEST(DpiScale, EachScreenPixelMapsBackToThePicturePixelItShows) {
    for (int dpi : kDensities) {
        const int most = (dpi + kBaseDpi - 1) / kBaseDpi;
        for (int logical = -3; logical < 175; ++logical) {
            const int first = FirstPhysical(logical, dpi);
            const int end = FirstPhysical(logical + 1, dpi);
            EXPECT_GE(end - first, 1) << dpi << " " << logical;
            EXPECT_LE(end - first, most) << dpi << " " << logical;
            for (int physical = first; physical < end; ++physical)
                EXPECT_EQ(LogicalFromPhysical(physical, dpi), logical) << dpi << " " << physical;
            const int middle = MiddlePhysical(logical, dpi);
            EXPECT_TRUE(middle >= first && middle < end) << dpi << " " << logical;
        }
    }
    // Rounded down also above and left of the picture, where a captured mouse goes.
    EXPECT_EQ(LogicalFromPhysical(-1, 144), -1);
    EXPECT_EQ(LogicalFromPhysical(-2, 144), -2);
    EXPECT_EQ(LogicalFromPhysical(-2, 192), -1);
    EXPECT_EQ(LogicalFromPhysical(-3, 192), -2);
    // At 150 % pixels alternate two screen pixels, one screen pixel.
    EXPECT_EQ(FirstPhysical(1, 144), 2);
    EXPECT_EQ(FirstPhysical(2, 144), 3);
    EXPECT_EQ(MiddlePhysical(4, 144), 6);
    EXPECT_EQ(MiddlePhysical(4, 192), 8);
}

TEST(DpiScale, ABoxOfScaledEdgesShowsEveryPixelAndNothingBeyondIt) {
    struct Picture {
        int left, top, columns, rows;
    };
    for (int dpi : kDensities) {
        for (const Picture picture : {Picture{9, 17, 175, 171}, Picture{185, 17, 11, 171}}) {
            const Edges box = ScaleEdges(picture.left, picture.top, picture.columns, picture.rows, dpi);
            const int width = box.right - box.left;
            const int height = box.bottom - box.top;
            EXPECT_EQ(ModelPosition(width - 1, width, picture.columns, dpi), picture.columns - 1) << dpi;
            EXPECT_EQ(ModelPosition(height - 1, height, picture.rows, dpi), picture.rows - 1) << dpi;
            EXPECT_GE(ModelPosition(width, width, picture.columns, dpi), picture.columns) << dpi;
            EXPECT_GE(ModelPosition(height, height, picture.rows, dpi), picture.rows) << dpi;
            EXPECT_EQ(ModelPosition(0, width, picture.columns, dpi), 0) << dpi;
            EXPECT_LT(ModelPosition(-1, width, picture.columns, dpi), 0) << dpi;
        }
    }
}

TEST(DpiScale, PicturesEnlargeNearestNeighbourWithoutBlending) {
    const std::vector<std::uint32_t> model{1, 2, 3, 4, 5, 6}; // 3 wide, 2 high
    std::vector<std::uint32_t> shown(5 * 3);
    ScaleNearest(model.data(), 3, 2, shown.data(), 5, 3, 144);
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{1, 1, 2, 3, 3, //
                                                 1, 1, 2, 3, 3, //
                                                 4, 4, 5, 6, 6}));
    shown.assign(6 * 4, 0);
    ScaleNearest(model.data(), 3, 2, shown.data(), 6, 4, 192);
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{1, 1, 2, 2, 3, 3, //
                                                 1, 1, 2, 2, 3, 3, //
                                                 4, 4, 5, 5, 6, 6, //
                                                 4, 4, 5, 5, 6, 6}));
    // A screen picture larger than the enlargement repeats the last row and column.
    shown.assign(4 * 2, 0);
    ScaleNearest(model.data(), 3, 2, shown.data(), 4, 2, 96);
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{1, 2, 3, 3, 4, 5, 6, 6}));
}

// The strip's rows and the arrow are enlarged alike; the middle of the tip is beside the middle of
// the screen rows that show the marked row.
TEST(DpiScale, ArrowTipMeetsTheMarkedRowAtEveryDensity) {
    for (int row : {0, 1, 40, 75, 170, 171}) {
        EXPECT_EQ(tintora::ArrowTopAt(tintora::ArrowTopFor(row), 96), tintora::ArrowTopFor(row)) << row;
        for (int dpi : {120, 144, 192}) {
            const int tip = tintora::ArrowTopAt(tintora::ArrowTopFor(row), dpi) +
                            platform::MiddlePhysical(tintora::kArrowTipRow, dpi);
            EXPECT_EQ(platform::LogicalFromPhysical(tip - platform::Scale(tintora::kStripTop, dpi), dpi), row)
                << dpi;
        }
    }
    // At 200 % both are two screen rows high and meet exactly.
    EXPECT_EQ(tintora::ArrowTopAt(tintora::ArrowTopFor(40), 192), 34 + 80 - 8);
}
