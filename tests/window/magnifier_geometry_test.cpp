// The magnifier's size, place and picture, decided without a window.
#include "window/magnifier_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
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
        for (const Edges& monitor : monitors)
            for (int x : Along(monitor.left, monitor.right))
                for (int y : {monitor.top, monitor.top + 1, (monitor.top + monitor.bottom) / 2,
                              monitor.bottom - 2, monitor.bottom - 1}) {
                    const ScreenPoint tip{x, y};
                    const Edges place = MagnifierPlace(tip, monitor, look);
                    ASSERT_TRUE(Inside(place, monitor)) << dpi << " at " << x << "," << y;
                    ASSERT_FALSE(Overlap(place, CapturedBlock(tip))) << dpi << " at " << x << "," << y;
                    // Near: one of its edges a gap away from the tip along each axis.
                    ASSERT_TRUE(place.left == x + look.gap || place.right == x - look.gap) << x;
                    ASSERT_TRUE(place.top == y + look.gap || place.bottom == y - look.gap) << y;
                }
        // And along the other axis, at the monitors' left and right edges.
        for (const Edges& monitor : monitors)
            for (int y : Along(monitor.top, monitor.bottom))
                for (int x : {monitor.left, monitor.right - 1}) {
                    const Edges place = MagnifierPlace({x, y}, monitor, look);
                    ASSERT_TRUE(Inside(place, monitor)) << dpi << " at " << x << "," << y;
                    ASSERT_FALSE(Overlap(place, CapturedBlock({x, y}))) << dpi << " at " << x << "," << y;
                }
    }
}

TEST(MagnifierPlace, BelowRightOfTheTipFlippingOnlyWhereItWouldRunOff) {
    const MagnifierLook look = MagnifierLookAt(96);
    const Edges monitor{-1280, -300, 0, 724};
    const Edges middle = MagnifierPlace({-640, 200}, monitor, look);
    EXPECT_TRUE(middle.left == -640 + look.gap && middle.top == 200 + look.gap);
    // The last tip whose magnifier still fits on the right, and the first that goes left.
    const int lastRight = monitor.right - look.gap - look.side;
    EXPECT_EQ(MagnifierPlace({lastRight, 200}, monitor, look).right, monitor.right);
    EXPECT_EQ(MagnifierPlace({lastRight + 1, 200}, monitor, look).right, lastRight + 1 - look.gap);
    // A monitor too small for it on either side still has it wholly.
    const Edges tiny{100, 100, 100 + look.side + 10, 100 + look.side + 10};
    EXPECT_TRUE(Inside(MagnifierPlace({105, 205}, tiny, look), tiny));
}

TEST(MagnifierLook, AboutTenTimesElevenPixelsAtEveryDensityClearOfTheCapturedBlock) {
    for (int dpi : {96, 120, 144, 192, 288}) {
        const MagnifierLook look = MagnifierLookAt(dpi);
        EXPECT_NEAR(look.side, 120 * dpi / 96, 12 * dpi / 96) << dpi; // whole cells round
        EXPECT_GT(look.gap, kMagnifiedReach) << dpi;
    }
    EXPECT_GT(MagnifierLookAt(24).gap, kMagnifiedReach) << "below 96 dpi too";
}

TEST(DrawMagnified, EveryCellShowsItsOwnPixelWholeAndTheCentreIsFramedInAContrastingInk) {
    std::uint32_t blockBits[kMagnifiedSide * kMagnifiedSide];
    const platform::PixelView block{blockBits, kMagnifiedSide, kMagnifiedSide};
    for (int y = 0; y < kMagnifiedSide; ++y)
        for (int x = 0; x < kMagnifiedSide; ++x)
            block.Write(x, y, PackRgb(20 * x, 20 * y, 7)); // dark: a white frame
    for (int dpi : {96, 144, 192}) {
        const MagnifierLook look = MagnifierLookAt(dpi);
        std::vector<std::uint32_t> bits(static_cast<std::size_t>(look.side * look.side), 0xABCDEFu);
        const platform::PixelView shown{bits.data(), look.side, look.side};
        DrawMagnified(block, shown, look);
        const int low = look.line + kMagnifiedReach * look.cell, high = low + look.cell; // the centre cell
        const auto within = [](int at, int from, int to) { return at >= from && at < to; };
        for (int y = 0; y < look.side; ++y)
            for (int x = 0; x < look.side; ++x) {
                const bool onBorder = !within(x, look.line, look.side - look.line) ||
                                      !within(y, look.line, look.side - look.line);
                const bool onFrame = !(within(x, low, high) && within(y, low, high)) &&
                                     within(x, low - look.line, high + look.line) &&
                                     within(y, low - look.line, high + look.line);
                const std::uint32_t want =
                    onBorder  ? static_cast<std::uint32_t>(kMagnifierBorder)
                    : onFrame ? static_cast<std::uint32_t>(kWhite)
                              : block.Read((x - look.line) / look.cell, (y - look.line) / look.cell);
                ASSERT_EQ(shown.Read(x, y), want) << dpi << " " << x << "," << y;
            }
        // The middle pixel of the magnifier is within the centre cell.
        EXPECT_EQ(shown.Read(look.side / 2, look.side / 2), block.Read(kMagnifiedReach, kMagnifiedReach));
    }
    // A light centre gets a black frame.
    block.Write(kMagnifiedReach, kMagnifiedReach, PackRgb(250, 240, 200));
    const MagnifierLook look = MagnifierLookAt(96);
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(look.side * look.side));
    const platform::PixelView shown{bits.data(), look.side, look.side};
    DrawMagnified(block, shown, look);
    EXPECT_EQ(shown.Read(look.line + kMagnifiedReach * look.cell - 1, look.side / 2),
              static_cast<std::uint32_t>(kBlack));
}

TEST(OnScreens, TheCapturedBlockIsCutToTheScreensAndIsEmptyOffThem) {
    const Edges screens{-1280, 0, 1920, 1080}; // a monitor left of the primary one
    EXPECT_EQ(OnScreens(CapturedBlock({100, 100}), screens), CapturedBlock({100, 100}));
    EXPECT_EQ(OnScreens(CapturedBlock({-1278, 1079}), screens), (Edges{-1280, 1074, -1272, 1080}));
    const Edges off = OnScreens(CapturedBlock({1930, 500}), screens);
    EXPECT_GE(off.left, off.right);
}
