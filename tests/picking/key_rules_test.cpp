#include "picking/key_rules.h"

#include <gtest/gtest.h>

using namespace tintora;

namespace {

constexpr int kWidth = 175;
constexpr int kHeight = 171;

PalettePoint PaletteAfter(PalettePoint at, PickKey key, bool shift = false) {
    return PaletteKeyTarget(at, key, shift, kWidth, kHeight).value_or(PalettePoint{-99, -99});
}

} // namespace

TEST(PaletteKeys, ArrowsStepOnePixelAndTenWithShift) {
    EXPECT_EQ(PaletteAfter({50, 60}, PickKey::Right), (PalettePoint{51, 60}));
    EXPECT_EQ(PaletteAfter({50, 60}, PickKey::Left), (PalettePoint{49, 60}));
    EXPECT_EQ(PaletteAfter({50, 60}, PickKey::Up), (PalettePoint{50, 59}));
    EXPECT_EQ(PaletteAfter({50, 60}, PickKey::Down), (PalettePoint{50, 61}));
    EXPECT_EQ(PaletteAfter({50, 60}, PickKey::Right, true), (PalettePoint{60, 60}));
    EXPECT_EQ(PaletteAfter({50, 60}, PickKey::Up, true), (PalettePoint{50, 50}));
}

TEST(PaletteKeys, StayInsideThePictureAndHomeEndGoToTheRowsEnds) {
    EXPECT_EQ(PaletteAfter({0, 0}, PickKey::Left), (PalettePoint{0, 0}));
    EXPECT_EQ(PaletteAfter({0, 0}, PickKey::Up, true), (PalettePoint{0, 0}));
    EXPECT_EQ(PaletteAfter({170, 165}, PickKey::Right, true), (PalettePoint{174, 165}));
    EXPECT_EQ(PaletteAfter({170, 165}, PickKey::Down, true), (PalettePoint{170, 170}));
    EXPECT_EQ(PaletteAfter({80, 33}, PickKey::Home), (PalettePoint{0, 33}));
    EXPECT_EQ(PaletteAfter({80, 33}, PickKey::End), (PalettePoint{174, 33}));
    EXPECT_FALSE(PaletteKeyTarget({80, 33}, PickKey::PageUp, false, kWidth, kHeight));
    EXPECT_FALSE(PaletteKeyTarget({80, 33}, PickKey::PageDown, true, kWidth, kHeight));
}

TEST(StripKeys, RowsBandsAndEnds) {
    EXPECT_EQ(StripKeyTarget(75, PickKey::Down, kHeight, 5), 76);
    EXPECT_EQ(StripKeyTarget(75, PickKey::Up, kHeight, 5), 74);
    EXPECT_EQ(StripKeyTarget(75, PickKey::PageDown, kHeight, 5), 80);
    EXPECT_EQ(StripKeyTarget(75, PickKey::PageUp, kHeight, 5), 70);
    EXPECT_EQ(StripKeyTarget(75, PickKey::Home, kHeight, 5), 0);
    EXPECT_EQ(StripKeyTarget(75, PickKey::End, kHeight, 5), 170);
    EXPECT_FALSE(StripKeyTarget(75, PickKey::Left, kHeight, 5));
    EXPECT_FALSE(StripKeyTarget(75, PickKey::Right, kHeight, 5));
}

TEST(StripKeys, StayOnTheStripsRowsEvenFromAHoldBelowIt) {
    EXPECT_EQ(StripKeyTarget(0, PickKey::Up, kHeight, 5), 0);
    EXPECT_EQ(StripKeyTarget(2, PickKey::PageUp, kHeight, 5), 0);
    EXPECT_EQ(StripKeyTarget(170, PickKey::Down, kHeight, 5), 170);
    EXPECT_EQ(StripKeyTarget(168, PickKey::PageDown, kHeight, 5), 170);
    // A drag held below the strip marks row 171.
    EXPECT_EQ(StripKeyTarget(171, PickKey::Up, kHeight, 5), 170);
    EXPECT_EQ(StripKeyTarget(171, PickKey::Down, kHeight, 5), 170);
}

TEST(EyedropperKeys, ArrowsNudgeOnePixelOrTen) {
    const auto right = ArrowStep(PickKey::Right, false);
    ASSERT_TRUE(right);
    EXPECT_EQ(right->dx, 1);
    EXPECT_EQ(right->dy, 0);
    const auto up = ArrowStep(PickKey::Up, true);
    ASSERT_TRUE(up);
    EXPECT_EQ(up->dx, 0);
    EXPECT_EQ(up->dy, -10);
    EXPECT_FALSE(ArrowStep(PickKey::Home, false));
    EXPECT_FALSE(ArrowStep(PickKey::PageDown, true));
}
