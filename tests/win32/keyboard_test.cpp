// Picking with the keyboard on the real window: key messages go through the program's own message
// pump, dialog navigation included, to the focused palette or strip. Also the focus cues, and the
// announcements screen readers get.
#include "window_fixture.h"

#include "editor/marker.h"
#include "platform/message_loop.h"
#include "resources/palette_picture.h"

#include <vector>

using namespace tintora;
using namespace tintora::testing;
using modTintora::PackRgb;

namespace {

class Keyboard : public WindowTest {
protected:
    frmTintora& OpenFocused(ControlId id) {
        frmTintora& form = Open();
        ::SetForegroundWindow(form.Hwnd());
        ::SetFocus(form.Control(id));
        return form;
    }

    // A key pressed and let go on the focused control, with Shift held or not, delivered by the
    // same pump the program runs.
    void Key(WPARAM key, bool shift = false) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(state);
        const HWND focused = ::GetFocus();
        ::PostMessageW(focused, WM_KEYDOWN, key, 1);
        ::PostMessageW(focused, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        platform::PumpPendingMessages(form_->Hwnd());
        state[VK_SHIFT] = 0;
        ::SetKeyboardState(state);
    }

    ColourValue Base() const {
        const ColourState& state = form_->State();
        return PackRgb(state.BaseRed, state.BaseGreen, state.BaseBlue);
    }

    // Whether the palette's display shows the picture and nothing else.
    bool PaletteShowsOnlyThePicture() {
        platform::PictureBox& palette = form_->Box(picColors);
        for (int y = 0; y < kPaletteHeight; ++y)
            for (int x = 0; x < kPaletteWidth; ++x)
                if (static_cast<ColourValue>(palette.ReadPixel(x, y)) != picture_.At(x, y)) return false;
        return true;
    }

    // A row of what the window shows, from left to right inclusive, in client coordinates.
    std::vector<COLORREF> ScreenRow(int left, int right, int y) {
        ScreenPixel(form_->Hwnd(), left, y); // brings the screen up to date
        const HDC screen = ::GetDC(nullptr);
        std::vector<COLORREF> row;
        for (int x = left; x <= right; ++x) {
            POINT point{x, y};
            ::ClientToScreen(form_->Hwnd(), &point);
            row.push_back(::GetPixel(screen, point.x, point.y));
        }
        ::ReleaseDC(nullptr, screen);
        return row;
    }

    int Lit(const std::vector<COLORREF>& row) {
        int lit = 0;
        for (COLORREF pixel : row)
            if (pixel != 0) ++lit;
        return lit;
    }

    const PalettePicture picture_;
};

std::vector<HWND> announced;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) announced.push_back(window);
}

} // namespace

TEST_F(Keyboard, ArrowsHomeAndEndOnThePalettePickLikeAPressThere) {
    frmTintora& form = OpenFocused(picColors);
    ASSERT_EQ(::GetFocus(), form.Control(picColors));
    Key(VK_RIGHT);
    EXPECT_EQ(Base(), picture_.At(1, 0));
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Base(), picture_.At(1, 2));
    Key(VK_RIGHT, true);
    Key(VK_DOWN, true);
    EXPECT_EQ(Base(), picture_.At(11, 12));
    EXPECT_EQ(form.Box(picChosenColor).BackColor(), form.Box(picGradient).ReadPixel(0, kStartMarker));
    Key(VK_END);
    EXPECT_EQ(Base(), picture_.At(kPaletteWidth - 1, 12));
    Key(VK_RIGHT, true);
    EXPECT_EQ(Base(), picture_.At(kPaletteWidth - 1, 12));
    Key(VK_HOME);
    Key(VK_UP, true);
    Key(VK_UP, true);
    EXPECT_EQ(Base(), picture_.At(0, 0));
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"FF0000");

    // The keyboard goes on from a mouse pick, and the marker set on the strip stays.
    Press(form.Control(picGradient), 5, 40);
    Release(form.Control(picGradient), 5, 40);
    Press(form.Control(picColors), 30, 40);
    Release(form.Control(picColors), 30, 40);
    ASSERT_EQ(::GetFocus(), form.Control(picColors));
    Key(VK_LEFT);
    EXPECT_EQ(Base(), picture_.At(29, 40));
    EXPECT_EQ(form.State().MarkerPos, 40);
    EXPECT_EQ(form.Box(picChosenColor).BackColor(), form.Box(picGradient).ReadPixel(0, 40));
    // Page keys mean nothing on the palette.
    Key(VK_NEXT);
    EXPECT_EQ(Base(), picture_.At(29, 40));
}

TEST_F(Keyboard, StripKeysMoveTheMarkerByRowBandAndToTheEnds) {
    StoreImColor(PackRgb(200, 100, 0));
    frmTintora& form = OpenFocused(picGradient);
    platform::PictureBox& strip = form.Box(picGradient);
    const auto expectRow = [&](int row) {
        EXPECT_EQ(form.State().MarkerPos, row);
        EXPECT_EQ(form.ArrowTop(), ArrowTopFor(row));
        EXPECT_EQ(form.Box(picChosenColor).BackColor(), strip.ReadPixel(0, row)) << row;
    };
    Key(VK_DOWN);
    expectRow(76);
    Key(VK_NEXT);
    expectRow(81);
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"BB5D00");
    Key(VK_PRIOR);
    Key(VK_UP);
    expectRow(75);
    Key(VK_HOME);
    expectRow(0);
    Key(VK_UP);
    expectRow(0);
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"FFFFFF");
    Key(VK_END);
    expectRow(170);
    EXPECT_EQ(Base(), PackRgb(200, 100, 0)) << "the strip keeps its base colour";
}

TEST_F(Keyboard, FocusCueHiddenUntilKeysAndNeverInAPicksWay) {
    frmTintora& form = OpenFocused(picColors);
    const RECT palette = ClientRectIn(form.Control(picColors), form.Hwnd());
    EXPECT_TRUE(PaletteShowsOnlyThePicture());
    EXPECT_EQ(Lit(ScreenRow(palette.left - 1, palette.right, palette.top - 1)), 0) << "a plain black frame";
    EXPECT_TRUE(::SendMessageW(form.Hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    Press(form.Control(picColors), 20, 30);
    Release(form.Control(picColors), 20, 30);
    EXPECT_TRUE(PaletteShowsOnlyThePicture()) << "mouse users see the palette as ever";

    Key(VK_RIGHT);
    EXPECT_FALSE(::SendMessageW(form.Hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    EXPECT_FALSE(PaletteShowsOnlyThePicture());
    EXPECT_EQ(static_cast<ColourValue>(form.Box(picColors).ReadPixel(21, 30)), picture_.At(21, 30))
        << "the picked pixel stays in view";
    EXPECT_GT(Lit(ScreenRow(palette.left - 1, palette.right, palette.top - 1)), 0) << "a dotted frame";
    // Pixels under the cue pick the picture's colours, by mouse and by key.
    EXPECT_NE(static_cast<ColourValue>(form.Box(picColors).ReadPixel(24, 30)), picture_.At(24, 30));
    Press(form.Control(picColors), 24, 30);
    Release(form.Control(picColors), 24, 30);
    EXPECT_EQ(Base(), picture_.At(24, 30));
    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(Base(), picture_.At(21, 30));

    // Tab takes the focus, and the cue, to the strip; the palette shows only its picture again.
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), form.Control(picGradient));
    EXPECT_TRUE(PaletteShowsOnlyThePicture());
    EXPECT_EQ(Lit(ScreenRow(palette.left - 1, palette.left + 100, palette.top - 1)), 0);
    const RECT strip = ClientRectIn(form.Control(picGradient), form.Hwnd());
    EXPECT_GT(Lit(ScreenRow(strip.left, strip.right, strip.top - 1)), 0);
}

TEST_F(Keyboard, SwatchesAndSamplerShowTheCueOnTheirBorder) {
    StoreImColor(PackRgb(0, 0, 0));
    frmTintora& form = OpenFocused(picColors);
    const RECT chosen = ClientRectIn(form.Control(picChosenColor), form.Hwnd());
    const RECT sampler = ClientRectIn(form.Control(picScreenColor), form.Hwnd());
    const auto chosenBorder = [&] { return ScreenRow(chosen.left, chosen.right - 1, chosen.top); };
    const auto chosenInside = [&] { return ScreenRow(chosen.left + 1, chosen.right - 2, chosen.top + 1); };
    const auto samplerBorder = [&] { return ScreenRow(sampler.left, sampler.right - 1, sampler.bottom - 1); };
    Key(VK_TAB);
    ::SetFocus(form.Control(picColors));
    const std::vector<COLORREF> plainBorder = chosenBorder();
    const std::vector<COLORREF> plainSampler = samplerBorder();
    EXPECT_EQ(Lit(chosenInside()), 0);

    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), form.Control(picChosenColor));
    EXPECT_NE(chosenBorder(), plainBorder);
    EXPECT_EQ(Lit(chosenInside()), 0) << "the swatch itself is untouched";
    ::SetFocus(form.Control(picScreenColor));
    EXPECT_NE(samplerBorder(), plainSampler);
    EXPECT_EQ(chosenBorder(), plainBorder) << "the cue goes with the focus";
}

TEST_F(Keyboard, ACompletePickIsAnnouncedOnceToScreenReaders) {
    StoreImColor(PackRgb(200, 100, 0));
    frmTintora& form = OpenFocused(picGradient);
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &OnWinEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    const auto heard = [&] {
        PumpMessages();
        std::vector<HWND> events;
        events.swap(announced);
        return events;
    };
    heard();
    const HWND chosen = form.Control(picChosenColor);
    const HWND strip = form.Control(picGradient);
    const HWND palette = form.Control(picColors);

    Key(VK_NEXT);
    EXPECT_EQ(heard(), (std::vector<HWND>{chosen, strip}))
        << "a key pick, on the swatch and the focused strip";
    Key(VK_HOME);
    Key(VK_UP);
    EXPECT_EQ(heard(), (std::vector<HWND>{chosen, strip})) << "only the key that changed the colour";
    Key(VK_END); // a dark row, where palette picks differ
    heard();

    Press(palette, 10, 10);
    for (int x = 11; x < 60; x += 7)
        MoveHeld(palette, x, 10 + x);
    EXPECT_TRUE(heard().empty()) << "nothing during the drag";
    Release(palette, 60, 70);
    EXPECT_EQ(heard(), (std::vector<HWND>{chosen, palette})) << "once at its end";

    ::SetFocus(form.Control(cmdRandom));
    ::SendMessageW(form.Control(cmdRandom), BM_CLICK, 0, 0);
    EXPECT_EQ(heard(), (std::vector<HWND>{chosen}));
    ::UnhookWinEvent(hook);
}
