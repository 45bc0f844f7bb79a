#include "editor/layout.h"
#include "editor/marker.h"

#include <gtest/gtest.h>

using namespace tintora;

namespace {

bool Overlap(const ControlSpec& a, const ControlSpec& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

} // namespace

// Labels and the arrow lie beneath the other controls and may touch them; nothing else overlaps.
TEST(Layout, EveryVisibleControlFitsTheClientAreaAndNoneOverlap) {
    const auto beneath = [](const ControlSpec& c) {
        return c.kind == ControlKind::Label || c.kind == ControlKind::Image;
    };
    for (const ControlSpec& a : kControls) {
        if (a.look & kHidden) continue;
        EXPECT_GE(a.left, 0) << a.id;
        EXPECT_GE(a.top, 0) << a.id;
        EXPECT_LE(a.left + a.width, kClientWidth) << a.id;
        EXPECT_LE(a.top + a.height, kClientHeight) << a.id;
        for (const ControlSpec& b : kControls) {
            if (a.id != b.id && !(b.look & kHidden) && !beneath(a) && !beneath(b)) {
                EXPECT_FALSE(Overlap(a, b)) << a.id << " " << b.id;
            }
        }
    }
}

TEST(Layout, ChannelLabelsEndJustLeftOfTheirBoxes) {
    const std::pair<ControlId, ControlId> pairs[] = {
        {lblRed, txtRed}, {lblGreen, txtGreen}, {lblBlue, txtBlue}, {lblHue, txtHue},
        {lblSat, txtSat}, {lblLum, txtLum},     {lblHexa, txtHexa}};
    for (const auto& [label, box] : pairs) {
        const int gap = SpecOf(box).left - (SpecOf(label).left + SpecOf(label).width);
        EXPECT_GE(gap, 3) << label;
        EXPECT_LE(gap, 5) << label;
        const int drop = SpecOf(label).top - SpecOf(box).top;
        EXPECT_GE(drop, 2) << label;
        EXPECT_LE(drop, 3) << label;
    }
}

TEST(Layout, FramesSitOnePixelOutsideThePaletteAndTheStrip) {
    const ControlSpec& palette = SpecOf(picColors);
    EXPECT_EQ(shpColors.left + 1, palette.left);
    EXPECT_EQ(shpColors.top + 1, palette.top);
    EXPECT_EQ(shpColors.width, palette.width + 2);
    EXPECT_EQ(shpColors.height, palette.height + 2);
    const ControlSpec& strip = SpecOf(picGradient);
    EXPECT_EQ(shpGradient.left + 1, strip.left);
    EXPECT_EQ(shpGradient.width, strip.width + 2);
    EXPECT_EQ(shpGradient.height, strip.height + 2);
}

// The strip's rows and the arrow are enlarged alike; the middle of the tip is beside the middle of
// the screen rows that show the marked row.
TEST(Layout, ArrowTipMeetsTheMarkedRowAtEveryDensity) {
    for (int row : {0, 1, 40, 75, 170, 171}) {
        EXPECT_EQ(ArrowTopAt(ArrowTopFor(row), 96), ArrowTopFor(row)) << row;
        for (int dpi : {120, 144, 192}) {
            const int tip = ArrowTopAt(ArrowTopFor(row), dpi) + platform::MiddlePhysical(kArrowTipRow, dpi);
            EXPECT_EQ(platform::LogicalFromPhysical(tip - platform::Scale(kStripTop, dpi), dpi), row) << dpi;
        }
    }
    // At 200 % both are two screen rows high and meet exactly.
    EXPECT_EQ(ArrowTopAt(ArrowTopFor(40), 192), 34 + 80 - 8);
}
