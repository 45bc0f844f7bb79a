// The real window: frame, tab order, start-up from the registry and Random. Every control's place is
// checked by the density tests, at 96 dpi too; Exit and what start-up shows, end to end.
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

TEST_F(WindowTest, StartsFromTheStoredColourOrBlackAndWritesNothing) {
    StoreImColor(PackRgb(200, 100, 0));
    TintoraWindow& form = Open();
    EXPECT_EQ(form.Box(picCurrent).BackColor(), PackRgb(200, 100, 0));
    EXPECT_EQ(form.Box(picGradient).ReadPixel(10, 74), PackRgb(199, 115, 17));
    EXPECT_EQ(StripAt(79), PackRgb(200, 100, 0));
    EXPECT_EQ(StripAt(80), PackRgb(187, 93, 0));
    Presented();
    EXPECT_EQ(form.ArrowPlace().top, 88);
    DeleteMessengerKey();
    Open();
    EXPECT_EQ(Chosen(), 0u);
    EXPECT_EQ(StripAt(5), PackRgb(238, 238, 238));
    EXPECT_EQ(StoredImColor(), std::nullopt);
}

TEST_F(WindowTest, RandomGivesManyColoursNoneWithAZeroChannel) {
    StoreImColor(0x00FF0000);
    TintoraWindow& form = Open();
    std::set<COLORREF> seen;
    for (int press = 0; press < 200; ++press) {
        ::SendMessageW(form.Control(cmdRandom), BM_CLICK, 0, 0);
        ASSERT_TRUE(GetRValue(Chosen()) != 0 && GetGValue(Chosen()) != 0 && GetBValue(Chosen()) != 0);
        ASSERT_EQ(StripAt(75), Chosen());
        seen.insert(Chosen());
    }
    EXPECT_GT(seen.size(), 190u);
}
