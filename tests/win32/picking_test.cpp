// Picking with real mouse messages: the palette's and the strip's edges, drags that leave the boxes
// while the mouse is captured, a long drag that leaves nothing behind, and the eyedropper's loop.
#include "allocation_counter.h"
#include "window_fixture.h"

#include <psapi.h>

using namespace tintora;
using namespace tintora::testing;

namespace {

HWND rescued = nullptr;

// A loop that would never end is ended from outside, and the test fails instead of hanging.
void CALLBACK Rescue(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ADD_FAILURE() << "sampling went on until rescued";
    ::SendMessageW(rescued, WM_LBUTTONUP, 0, 0);
}

class Picking : public WindowTest {
protected:
    HWND Palette() { return form_->Control(picColors); }
    HWND Strip() { return form_->Control(picGradient); }
    int ArrowOnScreen() {
        PumpMessages(); // the arrow window follows once the window has handled what is pending
        return ClientRectIn(form_->Control(imgArrow), form_->Hwnd()).top;
    }
    void PointAt(POINT client) {
        ::ClientToScreen(form_->Hwnd(), &client);
        ::SetCursorPos(client.x, client.y);
    }
    COLORREF Shown(POINT client) { return ScreenPixel(form_->Hwnd(), client.x, client.y); }
    // Presses on the sampler and returns once its loop has ended.
    void PressSampler(UINT message) {
        rescued = form_->Control(picScreenColor);
        const UINT_PTR rescue = ::SetTimer(nullptr, 0, 10000, &Rescue);
        Press(form_->Control(picScreenColor), 5, 5, message);
        ::KillTimer(nullptr, rescue);
    }
    static constexpr POINT kPalette{9 + 120, 17 + 40};
};

} // namespace

TEST_F(Picking, PaletteDragPicksInsideOnlyAndResumesOnReturn) {
    Open();
    Press(Palette(), 30, 40, WM_RBUTTONDOWN);
    EXPECT_EQ(::GetCapture(), Palette());
    EXPECT_EQ(Chosen(), PaletteAt(30, 40)) << "the marker is on the base band";
    MoveHeld(Palette(), 100, 100, 0);
    EXPECT_EQ(Chosen(), PaletteAt(30, 40)) << "a move with no button changes nothing";
    MoveHeld(Palette(), 174, 170, MK_RBUTTON);
    EXPECT_EQ(Chosen(), PaletteAt(174, 170));
    for (POINT p : {POINT{175, 170}, POINT{174, 171}, POINT{-1, 40}, POINT{-40, -25}}) {
        MoveHeld(Palette(), p.x, p.y, MK_RBUTTON);
        EXPECT_EQ(Chosen(), PaletteAt(174, 170)) << p.x << "," << p.y;
    }
    // Capture lasts until the last button is let go; a release outside changes nothing.
    ::SendMessageW(Palette(), WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(12, 12));
    ::SendMessageW(Palette(), WM_RBUTTONUP, MK_LBUTTON, MAKELPARAM(0, 0));
    EXPECT_EQ(::GetCapture(), Palette());
    EXPECT_EQ(Chosen(), PaletteAt(0, 0));
    Release(Palette(), -5, 80);
    EXPECT_EQ(Chosen(), PaletteAt(0, 0));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(Picking, StripDragHoldsBeyondItsEdgesAndPalettePicksKeepTheMarker) {
    StoreImColor(0x003264C8);
    Open();
    Press(Strip(), 5, 40);
    EXPECT_EQ(Chosen(), StripAt(40));
    EXPECT_EQ(ArrowOnScreen(), 53);
    MoveHeld(Strip(), 5, -5);
    EXPECT_EQ(Marker(), 0);
    EXPECT_EQ(ArrowOnScreen(), 13);
    EXPECT_EQ(Chosen(), StripAt(40));
    MoveHeld(Strip(), -30, 170);
    EXPECT_EQ(Marker(), 170);
    EXPECT_EQ(Chosen(), StripAt(170));
    MoveHeld(Strip(), 5, 171);
    EXPECT_EQ(ArrowOnScreen(), 184);
    Release(Strip(), 5, 300);
    EXPECT_EQ(Marker(), 171);
    EXPECT_EQ(Chosen(), StripAt(170));
    EXPECT_EQ(::GetCapture(), nullptr);
    // A palette pick draws a new strip and reads it at the marker, the nearest row after a hold below.
    Click(picColors, 120, 90);
    EXPECT_EQ(Marker(), 171);
    EXPECT_EQ(Chosen(), StripAt(170));
    EXPECT_NE(Chosen(), PaletteAt(120, 90));
}

// Moves allocate nothing, and no GDI or USER object and no memory is left behind.
TEST_F(Picking, LongDragLeaksNothing) {
    Open();
    const auto drag = [&](int from, int moves) {
        for (HWND box : {Palette(), Strip()}) {
            Press(box, 5, 5);
            for (int i = from; i < from + moves; ++i) {
                MoveHeld(box, (i * 37) % 200 - 10, (i * 53) % 190 - 10);
                if (i % 25 == 0) PumpMessages(); // the window catches up, as between mouse moves
            }
            Release(box, 5, 5);
            PumpMessages();
        }
    };
    const auto privateBytes = [] {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof counters);
        return counters.PrivateUsage;
    };
    const auto objects = [](DWORD kind) { return ::GetGuiResources(::GetCurrentProcess(), kind); };
    drag(0, 2000); // first use of every path
    const DWORD gdiBefore = objects(GR_GDIOBJECTS), userBefore = objects(GR_USEROBJECTS);
    const SIZE_T bytesBefore = privateBytes();
    const long allocationsBefore = testing_support::Allocations();
    drag(2000, 20000);
    EXPECT_EQ(testing_support::Allocations(), allocationsBefore);
    EXPECT_EQ(objects(GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(objects(GR_USEROBJECTS), userBefore);
    EXPECT_LE(privateBytes(), bytesBefore + 64 * 1024) << "about three bytes a move at most";
}

TEST_F(Picking, EyedropperPassTakesThePixelUnderThePointerEvenWhereTheWindowDcCannotReadIt) {
    TintoraWindow& form = Open();
    Click(picGradient, 5, 20);
    // Over the title bar the window's DC answers no colour; the block copy brings the pixel.
    RECT frame{};
    ::GetWindowRect(form.Hwnd(), &frame);
    ::MapWindowPoints(nullptr, form.Hwnd(), reinterpret_cast<POINT*>(&frame), 2);
    const POINT caption{(frame.left + frame.right) / 2,
                        frame.top / 2}; // between the frame's and client's tops
    {
        const platform::UniqueWindowDc dc = platform::GetWindowDc(form.Hwnd());
        ASSERT_EQ(::GetPixel(dc.get(), caption.x, caption.y), CLR_INVALID);
    }
    const COLORREF title = Shown(caption);
    ASSERT_NE(title, Chosen());
    PointAt(caption);
    ::PostMessageW(form.Control(picScreenColor), WM_LBUTTONUP, 0, 0); // ends the loop after one pass
    PressSampler(WM_LBUTTONDOWN);
    EXPECT_EQ(Chosen(), title);
    EXPECT_EQ(StripAt(75), title);
    EXPECT_EQ(Marker(), ColourModel::kStartMarker);
}

TEST_F(Picking, EyedropperNestedPressAndOneReleaseEndEveryLoopAndAQuitIsPassedOn) {
    TintoraWindow& form = Open();
    const HWND sampler = form.Control(picScreenColor);
    const COLORREF shown = Shown(kPalette);
    PointAt(kPalette);
    ::PostMessageW(sampler, WM_MBUTTONDOWN, MK_RBUTTON | MK_MBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(sampler, WM_MBUTTONUP, 0, MAKELPARAM(300, 40));
    PressSampler(WM_RBUTTONDOWN);
    EXPECT_EQ(Chosen(), shown);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(form.Box(picScreenColor).Picture(), form.Box(picMouse).Picture());
    EXPECT_EQ(form.Model().Chosen(), static_cast<ColourValue>(shown));

    ::PostQuitMessage(7);
    PressSampler(WM_LBUTTONDOWN);
    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_TRUE(::IsWindow(form.Hwnd()));
}
