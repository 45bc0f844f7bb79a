// Where the window puts its controls, frames, arrow and cues, decided without a window.
#include "model/strip.h"
#include "window/geometry.h"
#include "window/palette_cue.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace tintora;

TEST(Geometry, ControlsScaleByTheirEdgesAndTheArrowsTipStaysBesideTheMarkedRow) {
    const platform::Edges palette = ControlEdges(LayoutOf(picColors), 144, 0);
    const platform::Edges strip = ControlEdges(LayoutOf(picGradient), 144, 0);
    EXPECT_EQ(palette.right + 2, strip.left) << "the strip's frame column sits between them, at 150 % too";
    // At 96 dpi the arrow's top is four rows above the marked row: its tip points at it.
    EXPECT_EQ(ControlEdges(LayoutOf(imgArrow), 96, ArrowTopFor(75)).top, 17 + 75 - 4);
    EXPECT_EQ(ControlEdges(LayoutOf(imgArrow), 96, ArrowTopFor(0)).top, 13);
    EXPECT_EQ(ControlEdges(LayoutOf(imgArrow), 96, ArrowTopFor(171)).top, 184);
    // A right-aligned label keeps its right edge and has the room to its left up to the arrow.
    const platform::Edges green = LabelEdges(LayoutOf(lblGreen), 144);
    EXPECT_EQ(green.right, platform::Scale(224 + 32, 144));
    EXPECT_EQ(green.left, platform::Scale(kArrowLeft + kArrowWidth, 144));
    EXPECT_EQ(LabelEdges(LayoutOf(lblPicker), 96).left, 142) << "a centred label keeps its box";
}

// At every density the middle of the arrow's tip is beside a screen row that shows the marked row.
TEST(Geometry, TheArrowsTipIsBesideTheMarkedRowAtEveryDensity) {
    for (int dpi : {96, 120, 144, 192}) {
        const int stripTop = ControlEdges(LayoutOf(picGradient), dpi, 0).top;
        for (int row = 0; row < kStripRows; ++row) {
            const int tip = ControlEdges(LayoutOf(imgArrow), dpi, ArrowTopFor(row)).top +
                            platform::MiddlePhysical(kArrowTipRow, dpi);
            ASSERT_EQ(platform::LogicalFromPhysical(tip - stripTop, dpi), row) << dpi;
        }
    }
}

TEST(Geometry, AFrameIsOneLayoutPixelWideAllAround) {
    for (int dpi : {96, 144, 192}) {
        const auto sides = FrameSides(shpGradient, dpi);
        const platform::Edges inside = ControlEdges(LayoutOf(picGradient), dpi, 0);
        EXPECT_EQ(sides[0].bottom, inside.top) << dpi;
        EXPECT_EQ(sides[1].top, inside.bottom) << dpi;
        EXPECT_EQ(sides[2].right, inside.left) << dpi;
        EXPECT_EQ(sides[3].left, inside.right) << dpi;
        EXPECT_GE(sides[0].bottom - sides[0].top, dpi / 96) << dpi;
    }
}

TEST(PaletteCue, ARingAroundThePickOnThePaletteOnlyInAContrastingInk) {
    std::set<std::pair<int, int>> ring;
    ForEachCuePixel(PalettePoint{50, 60}, [&](int x, int y) { ring.insert({x, y}); });
    EXPECT_EQ(ring.size(), 24u);
    EXPECT_FALSE(ring.count({50, 60})) << "the picked pixel stays in view";
    EXPECT_TRUE(ring.count({47, 57}) && ring.count({53, 63}) && !ring.count({49, 59}));
    ring.clear();
    ForEachCuePixel(PalettePoint{0, 170}, [&](int x, int y) { ring.insert({x, y}); });
    for (const auto& [x, y] : ring)
        EXPECT_TRUE(x >= 0 && y < kPaletteHeight) << x << "," << y;
    EXPECT_EQ(CueInk(kWhite), kBlack);
    EXPECT_EQ(CueInk(PackRgb(0, 0, 255)), kWhite);
    EXPECT_EQ(CueInk(PackRgb(0, 255, 0)), kBlack);
}
