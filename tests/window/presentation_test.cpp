// When the window shows the model and what a present redraws, decided without a window; and what
// screen readers hear of each control.
#include "window/arrow.h"
#include "window/presentation.h"
#include "window/spoken_source.h"

#include <gtest/gtest.h>

#include <cwchar>

using namespace tintora;

TEST(Presentation, ABurstOfChangesIsShownOnceAFrameAndTheTimerStopsWhenTheyStop) {
    Presentation presentation;
    EXPECT_TRUE(presentation.Changed()) << "the first change starts the timer";
    presentation.SetTicking(true);
    EXPECT_FALSE(presentation.Changed()) << "later changes ride on the running timer";
    EXPECT_EQ(presentation.OnFrame(), FrameStep::Present);
    ColourModel model;
    presentation.Present(model);
    EXPECT_FALSE(presentation.Pending());
    EXPECT_EQ(presentation.OnFrame(), FrameStep::Wait);
    presentation.Changed(); // a change between quiet frames starts the count again
    EXPECT_EQ(presentation.OnFrame(), FrameStep::Present);
    presentation.Present(model);
    EXPECT_EQ(presentation.OnFrame(), FrameStep::Wait);
    EXPECT_EQ(presentation.OnFrame(), FrameStep::Stop);
    EXPECT_TRUE(presentation.Changed()) << "a change after the stop starts the timer again";
}

TEST(Presentation, APresentRedrawsOnlyWhatDiffersFromWhatIsShown) {
    ColourModel model;
    model.Start(0x003264C8);
    Presentation presentation;
    const PresentWork first = presentation.Present(model);
    EXPECT_TRUE(first.bands);
    EXPECT_EQ(first.arrowTo, ArrowTopFor(model.MarkerPos()));
    for (int i = 0; i < kReadoutCount; ++i) {
        EXPECT_TRUE(first.textDiffers[i]) << i;
        presentation.TextShown(static_cast<Readout>(i), first.texts[i]);
    }

    model.StripKey(PickKey::Down); // same bands, the marker one row down
    const PresentWork moved = presentation.Present(model);
    EXPECT_FALSE(moved.bands);
    EXPECT_EQ(moved.arrowFrom, first.arrowTo);
    EXPECT_EQ(moved.arrowTo, first.arrowTo + 1);
    EXPECT_EQ(moved.texts, MakeReadoutTexts(model.Chosen()));

    // A readout not written (the user types in it) still counts as differing at the next present.
    presentation.TextShown(kRed, moved.texts[kRed]);
    const PresentWork again = presentation.Present(model);
    EXPECT_FALSE(again.textDiffers[kRed]);
    EXPECT_EQ(again.textDiffers[kHexa], moved.textDiffers[kHexa]);
    EXPECT_EQ(again.arrowFrom, again.arrowTo);
}

TEST(SpokenSource, NamesEveryPictureAndReadoutAndSaysTheColourOfSwatchesPaletteAndStrip) {
    ColourModel model;
    model.Start(0x00FF8000); // stored as 0x00BBGGRR: blue FF, green 80, red 00
    SpokenSource source(model);
    wchar_t text[80] = L"";
    EXPECT_TRUE(source.AccessibleText(picGradient, platform::AccessibleField::Name, text, 80));
    EXPECT_STREQ(text, L"Luminance");
    EXPECT_TRUE(source.AccessibleText(picCurrent, platform::AccessibleField::Value, text, 80));
    EXPECT_STREQ(text, L"0080FF");
    EXPECT_TRUE(source.AccessibleText(picColors, platform::AccessibleField::Description, text, 80));
    EXPECT_EQ(std::wcsncmp(text, L"hue ", 4), 0) << "the palette speaks of the New colour";
    EXPECT_FALSE(source.AccessibleText(cmdRandom, platform::AccessibleField::Value, text, 80))
        << "a button keeps its own answer";

    // A short buffer gets as much as fits, ended; nothing is written beyond it.
    wchar_t small[5] = {L'x', L'x', L'x', L'x', L'#'};
    EXPECT_TRUE(source.AccessibleText(picGradient, platform::AccessibleField::Name, small, 4));
    EXPECT_STREQ(small, L"Lum");
    EXPECT_EQ(small[4], L'#');
    EXPECT_FALSE(source.AccessibleText(picGradient, platform::AccessibleField::Name, small, 0));
}
