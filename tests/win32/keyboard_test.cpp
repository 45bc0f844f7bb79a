// Picking with the keyboard on the real window: keys go through the program's own pump, dialog
// navigation included, to the focused palette or strip. Also the focus cue and screen readers.
#include "window_fixture.h"

#include "model/palette_picture.h"

#include <vector>

using namespace tintora;
using namespace tintora::testing;

namespace {

class Keyboard : public WindowTest {
protected:
    COLORREF Picture(int x, int y) const { return static_cast<COLORREF>(picture_.At(x, y)); }
    const PalettePicture picture_;
};

} // namespace

TEST_F(Keyboard, PaletteAndStripKeysPickWithShiftForTenAndTheFocusCueNeverChangesAPick) {
    OpenFocused(0x000064C8, picColors);
    Click(picColors, 20, 5);
    EXPECT_EQ(PaletteAt(24, 5), Picture(24, 5)) << "no cue for mouse users";
    Key(VK_RIGHT);
    ASSERT_NE(PaletteAt(24, 5), Picture(24, 5)) << "the cue is drawn after a key";
    EXPECT_EQ(Chosen(), Picture(21, 5));
    Click(picColors, 24, 5);
    EXPECT_EQ(Chosen(), Picture(24, 5)) << "under the cue the picture's colour is picked";
    Key(VK_UP, VK_SHIFT);
    EXPECT_EQ(Chosen(), Picture(24, 0));
    Key(VK_END);
    EXPECT_EQ(Chosen(), Picture(kPaletteWidth - 1, 0));

    OpenFocused(0x000064C8, picColors);
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), form_->Control(picGradient));
    Key(VK_NEXT);
    EXPECT_EQ(Marker(), 80);
    EXPECT_EQ(TextOf(form_->Control(txtHexa)), L"BB5D00");
    Key(VK_END);
    EXPECT_EQ(Chosen(), StripAt(170));
    EXPECT_EQ(StripAt(75), 0x000064C8u) << "the strip keeps its base";
}

TEST_F(Keyboard, ACompletePickIsAnnouncedOnceToScreenReaders) {
    TintoraWindow& form = OpenFocused(0x000064C8, picGradient);
    Heard();
    const HWND chosen = form.Control(picChosenColor);
    const HWND palette = form.Control(picColors);
    Key(VK_NEXT);
    EXPECT_EQ(Heard(), (std::vector<HWND>{chosen, form.Control(picGradient)}));
    Key(VK_END); // a dark row, where palette picks differ
    Heard();
    Press(palette, 10, 10);
    for (int x = 11; x < 60; x += 7)
        MoveHeld(palette, x, 10 + x);
    EXPECT_TRUE(Heard().empty()) << "nothing during the drag";
    Release(palette, 60, 70);
    EXPECT_EQ(Heard(), (std::vector<HWND>{chosen, palette})) << "once at its end";
}
