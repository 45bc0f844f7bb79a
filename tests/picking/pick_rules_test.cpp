#include "picking/pick_rules.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tintora;

TEST(PickRules, PaletteInsideFromZeroToBelowItsSizeAndTheStripHoldsBeyondItsEdges) {
    EXPECT_TRUE(InsideArea(0.0f, 0.0f, 175.0f, 171.0f));
    EXPECT_TRUE(InsideArea(174.0f, 170.0f, 175.0f, 171.0f));
    EXPECT_FALSE(InsideArea(175.0f, 10.0f, 175.0f, 171.0f));
    EXPECT_FALSE(InsideArea(10.0f, -0.5f, 175.0f, 171.0f));
    EXPECT_FALSE(InsideArea(std::nanf(""), 10.0f, 175.0f, 171.0f));
    EXPECT_FALSE(PaletteMovePicks(0));
    EXPECT_EQ(StripMoveAction(0, -5.0f, 171.0f), StripAction::HoldTop);
    EXPECT_EQ(StripMoveAction(2, 171.0f, 171.0f), StripAction::HoldBottom);
    EXPECT_EQ(StripMoveAction(4, 170.0f, 171.0f), StripAction::Pick);
    EXPECT_EQ(StripMoveAction(0, 40.0f, 171.0f), StripAction::Nothing);
    EXPECT_EQ(StripReleaseAction(170.0f, 171.0f), StripAction::Pick);
    EXPECT_EQ(StripReleaseAction(171.0f, 171.0f), StripAction::Nothing);
    EXPECT_EQ(StripReleaseAction(-1.0f, 171.0f), StripAction::Nothing);
    EXPECT_EQ(StripRowAt(2.5f), 2);
    EXPECT_EQ(StripRowAt(3.5f), 4);
}
