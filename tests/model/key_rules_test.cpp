#include "model/key_rules.h"

#include <gtest/gtest.h>

using namespace tintora;

TEST(KeyRules, PaletteStepsOneOrTenWithShiftInsideThePictureAndHomeEndGoToTheRowsEnds) {
    const auto after = [](PalettePoint at, PickKey key, bool shift = false) {
        return PaletteKeyTarget(at, key, shift, 175, 171).value_or(PalettePoint{-99, -99});
    };
    EXPECT_EQ(after({50, 60}, PickKey::Up), (PalettePoint{50, 59}));
    EXPECT_EQ(after({50, 60}, PickKey::Right, true), (PalettePoint{60, 60}));
    EXPECT_EQ(after({0, 5}, PickKey::Up, true), (PalettePoint{0, 0}));
    EXPECT_EQ(after({0, 0}, PickKey::Left), (PalettePoint{0, 0}));
    EXPECT_EQ(after({170, 165}, PickKey::Right, true), (PalettePoint{174, 165}));
    EXPECT_EQ(after({170, 165}, PickKey::Down, true), (PalettePoint{170, 170}));
    EXPECT_EQ(after({80, 33}, PickKey::Home), (PalettePoint{0, 33}));
    EXPECT_EQ(after({80, 33}, PickKey::End), (PalettePoint{174, 33}));
    EXPECT_FALSE(PaletteKeyTarget({80, 33}, PickKey::PageDown, true, 175, 171));
}

TEST(KeyRules, StripRowsBandsAndEndsStayOnTheStripEvenFromAHoldBelowIt) {
    const auto after = [](int row, PickKey key) { return StripKeyTarget(row, key, 171, 5).value_or(-99); };
    EXPECT_EQ(after(75, PickKey::Down), 76);
    EXPECT_EQ(after(75, PickKey::PageUp), 70);
    EXPECT_EQ(after(2, PickKey::PageUp), 0);
    EXPECT_EQ(after(168, PickKey::PageDown), 170);
    EXPECT_EQ(after(171, PickKey::Up), 170);
    EXPECT_EQ(after(171, PickKey::Down), 170);
    EXPECT_FALSE(StripKeyTarget(75, PickKey::Left, 171, 5));
    // The held eyedropper is nudged one pixel, or ten.
    EXPECT_EQ(ArrowStep(PickKey::Up, true).value().dy, -10);
    EXPECT_EQ(ArrowStep(PickKey::Right, false).value().dx, 1);
    EXPECT_FALSE(ArrowStep(PickKey::Home, false));
}
