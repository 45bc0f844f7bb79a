// The magnifier's size, place and picture, decided without a window.
#include "window/magnifier_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

using namespace tintora;
using platform::Edges;

namespace {

bool Inside(const Edges& inner, const Edges& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Pointer positions along one side of a monitor: every pixel near both ends, a few in between.
std::vector<int> Along(int low, int high) {
    std::vector<int> at;
    for (int p = low; p < high; p += (p - low < 300 || high - p < 300) ? 1 : 97)
        at.push_back(p);
    return at;
}

} // namespace

TEST(MagnifierPlace, StaysOnTheMonitorNearTheTipAndClearOfTheCapturedBlockOnEveryMonitor) {
    const Edges monitors[] = {
        {0, 0, 1920, 1080},     // the primary
        {-1280, -300, 0, 724},  // left of it and higher
        {1920, -1440, 4480, 0}, // above and right of it
        {-800, 1080, 0, 1680},  // below and left
    };
    for (int dpi : {96, 144, 192}) {
        const MagnifierLook look = MagnifierLookAt(dpi);
        for (const Edges& monitor : monitors) {
            std::vector<ScreenPoint> tips;
            for (int x : Along(monitor.left, monitor.right))
                for (int y : {monitor.top, monitor.top + 1, (monitor.top + monitor.bottom) / 2,
                              monitor.bottom - 2, monitor.bottom - 1})
                    tips.push_back({x, y});
            for (int y : Along(monitor.top, monitor.bottom))
                for (int x : {monitor.left, monitor.right - 1})
                    tips.push_back({x, y});
            for (const ScreenPoint tip : tips) {
                const Edges place = MagnifierPlace(tip, monitor, look);
                ASSERT_TRUE(Inside(place, monitor)) << dpi << " at " << tip.x << "," << tip.y;
                ASSERT_FALSE(Overlap(place, CapturedBlock(tip))) << dpi << " at " << tip.x << "," << tip.y;
                // Near: one of its edges a gap away from the tip along each axis.
                ASSERT_TRUE(place.left == tip.x + look.gap || place.right == tip.x - look.gap) << tip.x;
                ASSERT_TRUE(place.top == tip.y + look.gap || place.bottom == tip.y - look.gap) << tip.y;
            }
        }
    }
}

// Below and right of the tip, flipping only where it would run off the monitor; about ten times
// eleven pixels at every density, in whole cells.
TEST(MagnifierPlace, BelowRightOfTheTipFlippingOnlyWhereItWouldRunOff) {
    const MagnifierLook look = MagnifierLookAt(96);
    const Edges monitor{-1280, -300, 0, 724};
    const Edges middle = MagnifierPlace({-640, 200}, monitor, look);
    EXPECT_TRUE(middle.left == -640 + look.gap && middle.top == 200 + look.gap);
    const int lastRight = monitor.right - look.gap - look.side;
    EXPECT_EQ(MagnifierPlace({lastRight, 200}, monitor, look).right, monitor.right);
    EXPECT_EQ(MagnifierPlace({lastRight + 1, 200}, monitor, look).right, lastRight + 1 - look.gap);
    for (int dpi : {24, 96, 120, 144, 192, 288}) {
        EXPECT_TRUE(dpi < 96 || std::abs(MagnifierLookAt(dpi).side - 120 * dpi / 96) <= 12 * dpi / 96) << dpi;
        EXPECT_GT(MagnifierLookAt(dpi).gap, kMagnifiedReach) << dpi;
    }
}

// Each cell shows its pixel whole (its corners are the pixel's) inside a grey border, and the centre
// cell is framed in white on a dark pixel, in black on a light one.
TEST(DrawMagnified, EveryCellShowsItsOwnPixelWholeAndTheCentreIsFramedInAContrastingInk) {
    std::uint32_t blockBits[kMagnifiedSide * kMagnifiedSide];
    const platform::PixelView block{blockBits, kMagnifiedSide, kMagnifiedSide};
    for (int y = 0; y < kMagnifiedSide; ++y)
        for (int x = 0; x < kMagnifiedSide; ++x)
            block.Write(x, y, PackRgb(20 * x, 20 * y, 7));
    for (int dpi : {96, 144, 192}) {
        for (const auto& [centre, ink] :
             {std::pair{PackRgb(10, 20, 30), kWhite}, {PackRgb(250, 240, 200), kBlack}}) {
            block.Write(kMagnifiedReach, kMagnifiedReach, centre);
            const MagnifierLook look = MagnifierLookAt(dpi);
            std::vector<std::uint32_t> bits(static_cast<std::size_t>(look.side * look.side), 0xABCDEFu);
            const platform::PixelView shown{bits.data(), look.side, look.side};
            DrawMagnified(block, shown, look);
            for (int cy = 0; cy < kMagnifiedSide; ++cy)
                for (int cx = 0; cx < kMagnifiedSide; ++cx) {
                    const int dx = std::abs(cx - kMagnifiedReach), dy = std::abs(cy - kMagnifiedReach);
                    if (dx <= 1 && dy <= 1 && dx + dy > 0) continue; // partly under the centre's frame
                    const int x = look.line + cx * look.cell, y = look.line + cy * look.cell,
                              end = look.cell - 1;
                    for (const auto& [ox, oy] : {std::pair{0, 0}, {end, 0}, {0, end}, {end, end}})
                        ASSERT_EQ(shown.Read(x + ox, y + oy), block.Read(cx, cy))
                            << dpi << " " << cx << "," << cy;
                }
            const int frame = look.line + kMagnifiedReach * look.cell - 1;
            EXPECT_EQ(shown.Read(frame, look.side / 2), static_cast<std::uint32_t>(ink)) << dpi;
            for (const int at : {0, look.side - 1})
                EXPECT_EQ(shown.Read(at, at), static_cast<std::uint32_t>(kMagnifierBorder)) << dpi;
        }
    }
}

TEST(OnScreens, TheCapturedBlockIsCutToTheScreensAndIsEmptyOffThem) {
    const Edges screens{-1280, 0, 1920, 1080}; // a monitor left of the primary one
    EXPECT_EQ(OnScreens(CapturedBlock({100, 100}), screens), CapturedBlock({100, 100}));
    EXPECT_EQ(OnScreens(CapturedBlock({-1278, 1079}), screens), (Edges{-1280, 1074, -1272, 1080}));
    const Edges off = OnScreens(CapturedBlock({1930, 500}), screens);
    EXPECT_GE(off.left, off.right);
}
