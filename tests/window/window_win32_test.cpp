// The real window: frame, tab order, start-up from the registry and Random. Every control's place is
// checked by the controls' tests; what start-up shows and Exit, end to end.
#include "window_fixture.h"

#include <set>

using namespace tintora;
using namespace tintora::testing;

TEST_F(WindowTest, FixedFrameFocusOnThePaletteAndTabOrder) {
    TintoraWindow& form = Open();
    EXPECT_EQ(TextOf(form.Hwnd()), L"Tintora!");
    const LONG style = ::GetWindowLongW(form.Hwnd(), GWL_STYLE);
    EXPECT_TRUE((style & WS_MINIMIZEBOX) && !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME));
    ::SetForegroundWindow(form.Hwnd());
    ::SetFocus(form.Hwnd());
    EXPECT_EQ(::GetFocus(), form.Control(picColors));
    HWND at = form.Control(picColors);
    for (ControlId id : {picGradient, picChosenColor, txtHue, txtSat, txtLum, txtRed, txtGreen, txtBlue,
                         picCurrent, cmdSaveColor, cmdClose, cmdRandom, picScreenColor, txtHexa, picColors}) {
        at = ::GetNextDlgTabItem(form.Hwnd(), at, FALSE);
        EXPECT_EQ(::GetDlgCtrlID(at), id);
    }
}

// Rows 74, 79 and 80 are the last rows of bands 14 and 15 and the first of band 16.
TEST_F(WindowTest, StartsFromTheStoredColourOrBlackAndWritesNothing) {
    StoreImColor(PackRgb(200, 100, 0));
    TintoraWindow& form = Open();
    EXPECT_EQ(form.Box(picCurrent).BackColor(), PackRgb(200, 100, 0));
    EXPECT_EQ(StripAt(74), PackRgb(199, 115, 17));
    EXPECT_EQ(StripAt(79), PackRgb(200, 100, 0));
    EXPECT_EQ(StripAt(80), PackRgb(187, 93, 0));
    DeleteMessengerKey();
    Open();
    EXPECT_EQ(Chosen(), 0u);
    EXPECT_EQ(StoredImColor(), std::nullopt);
}

// The rule for a random colour is the model's; here, that the draws are random at all.
TEST_F(WindowTest, RandomGivesADifferentColourEachPressAsTheNewBase) {
    TintoraWindow& form = Open();
    std::set<COLORREF> seen;
    for (int press = 0; press < 50; ++press) {
        ::SendMessageW(form.Control(cmdRandom), BM_CLICK, 0, 0);
        ASSERT_EQ(StripAt(75), Chosen());
        seen.insert(Chosen());
    }
    EXPECT_GT(seen.size(), 45u);
}
