// Picking with the keyboard on the real window: keys go through the program's own pump, dialog
// navigation included, to the focused palette or strip. Also the focus cue and screen readers.
#include "window_fixture.h"

#include "model/palette_picture.h"
#include "platform/message_loop.h"

#include <utility>
#include <vector>

using namespace tintora;
using namespace tintora::testing;

namespace {

class Keyboard : public WindowTest {
protected:
    TintoraWindow& OpenFocused(ControlId id) {
        StoreImColor(0x000064C8); // red 200, green 100, blue 0
        TintoraWindow& form = Open();
        ::SetForegroundWindow(form.Hwnd());
        ::SetFocus(form.Control(id));
        return form;
    }
    void Key(WPARAM key, bool shift = false) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(state);
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        platform::PumpPendingMessages(form_->Hwnd());
    }
    COLORREF Picture(int x, int y) const { return static_cast<COLORREF>(picture_.At(x, y)); }
    const PalettePicture picture_;
};

std::vector<HWND> announced;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) announced.push_back(window);
}

} // namespace

TEST_F(Keyboard, PaletteAndStripKeysPickWithShiftForTenAndTheFocusCueNeverChangesAPick) {
    OpenFocused(picColors);
    Click(picColors, 20, 5);
    EXPECT_EQ(PaletteAt(24, 5), Picture(24, 5)) << "no cue for mouse users";
    Key(VK_RIGHT);
    ASSERT_NE(PaletteAt(24, 5), Picture(24, 5)) << "the cue is drawn after a key";
    EXPECT_EQ(Chosen(), Picture(21, 5));
    Click(picColors, 24, 5);
    EXPECT_EQ(Chosen(), Picture(24, 5)) << "under the cue the picture's colour is picked";
    Key(VK_LEFT);
    Key(VK_UP, true);
    EXPECT_EQ(Chosen(), Picture(23, 0));
    Key(VK_END);
    Key(VK_RIGHT, true);
    EXPECT_EQ(Chosen(), Picture(kPaletteWidth - 1, 0));
    Key(VK_HOME);
    Key(VK_DOWN, true);
    EXPECT_EQ(Chosen(), Picture(0, 10));

    OpenFocused(picColors);
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
    TintoraWindow& form = OpenFocused(picGradient);
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &OnWinEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    const auto heard = [] {
        PumpMessages();
        return std::exchange(announced, {});
    };
    heard();
    const HWND chosen = form.Control(picChosenColor);
    const HWND palette = form.Control(picColors);
    Key(VK_NEXT);
    EXPECT_EQ(heard(), (std::vector<HWND>{chosen, form.Control(picGradient)}));
    Key(VK_END); // a dark row, where palette picks differ
    heard();
    Press(palette, 10, 10);
    for (int x = 11; x < 60; x += 7)
        MoveHeld(palette, x, 10 + x);
    EXPECT_TRUE(heard().empty()) << "nothing during the drag";
    Release(palette, 60, 70);
    EXPECT_EQ(heard(), (std::vector<HWND>{chosen, palette})) << "once at its end";
    ::UnhookWinEvent(hook);
}
