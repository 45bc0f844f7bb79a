// Picking with the keyboard on the real window: keys go through the program's own pump, dialog
// navigation included, to the focused palette or strip (where they move the pick is the key rules'
// tests' part). Also the focus cue and what screen readers are told.
#include "window_fixture.h"

#include "model/palette_picture.h"

#include <vector>

using namespace tintora;
using namespace tintora::testing;

class Keyboard : public WindowTest {};

TEST_F(Keyboard, KeysPickOnThePaletteAndStripTheCueIsNeverPickedAndAPickIsAnnouncedOnce) {
    TintoraWindow& form = OpenFocused(0x000064C8, picColors);
    const HWND palette = form.Control(picColors), strip = form.Control(picGradient);
    const PalettePicture picture;
    const auto drawn = [&](int x, int y) { return static_cast<COLORREF>(picture.At(x, y)); };
    Click(picColors, 20, 5);
    EXPECT_EQ(PaletteAt(23, 5), drawn(23, 5)) << "no cue for mouse users";
    Key(VK_RIGHT, VK_SHIFT);
    EXPECT_EQ(Chosen(), drawn(30, 5));
    ASSERT_NE(PaletteAt(33, 5), drawn(33, 5)) << "the cue is drawn after a key";
    Click(picColors, 33, 5);
    EXPECT_EQ(Chosen(), drawn(33, 5)) << "under the cue the picture's colour is picked";

    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), strip);
    Heard();
    Key(VK_NEXT); // where it moves the pick through real keys, end to end
    EXPECT_EQ(Heard(), (std::vector<HWND>{form.Control(picChosenColor), strip}));
    Key(VK_END); // a dark row, where every palette pick changes New
    Heard();
    Press(palette, 10, 10);
    for (int x = 11; x < 60; x += 7)
        MoveHeld(palette, x, 10 + x);
    EXPECT_TRUE(Heard().empty()) << "nothing during the drag";
    Release(palette, 60, 70);
    EXPECT_EQ(Heard(), (std::vector<HWND>{form.Control(picChosenColor), palette})) << "once at its end";
}
