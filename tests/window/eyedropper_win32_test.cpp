// The eyedropper on the real window, held with a real mouse button (SendInput), so that the program
// sees the button as the system does: samples while held, a lost mouse or a button found up ends it
// as a release would, Escape takes it back, and closing while held ends cleanly. The magnifier comes
// with the press without taking the focus, goes with every end, and never samples itself. Where it
// stands and what it draws is the magnifier geometry tests' part; what it shows, end to end.
#include "window_fixture.h"

#include "window/magnifier.h"

#include <set>

using namespace tintora;
using namespace tintora::testing;

namespace {

class HeldEyedropper : public WindowTest {
protected:
    HWND Sampler() { return form_->Control(picScreenColor); }
    static HWND Magnifier() { return ::FindWindowW(tintora::Magnifier::kClassName, nullptr); }
    static bool MagnifierShown() { return Magnifier() != nullptr && ::IsWindowVisible(Magnifier()); }
    static RECT Place() {
        RECT place{};
        return ::GetWindowRect(Magnifier(), &place), place;
    }
    // Whether the magnifier stands over the block of pixels it shows around the tip.
    static bool Covers(const RECT& place, POINT tip) {
        return place.left <= tip.x + kMagnifiedReach && tip.x - kMagnifiedReach < place.right &&
               place.top <= tip.y + kMagnifiedReach && tip.y - kMagnifiedReach < place.bottom;
    }
    static COLORREF Centre() {
        const RECT place = Place();
        return ScreenAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    }
};

} // namespace

// What the held eyedropper samples, and what Escape and the release leave, end to end.
TEST_F(HeldEyedropper, APressShowsAMagnifierTakingNeitherFocusNorMouseAndEscapeOrTheReleaseEndsIt) {
    Open();
    const HWND foreground = ::GetForegroundWindow();
    for (const bool escape : {true, false}) {
        Hold();
        EXPECT_EQ(::GetCapture(), Sampler());
        ASSERT_TRUE(WaitFor(MagnifierShown)) << "the press shows the magnifier";
        EXPECT_EQ(::GetForegroundWindow(), foreground);
        EXPECT_EQ(::GetFocus(), Sampler());
        const RECT shown = Place();
        EXPECT_NE(::WindowFromPoint({(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2}),
                  Magnifier())
            << "the mouse passes through it";
        if (escape)
            Key(VK_ESCAPE); // through the program's own pump, which makes it IDCANCEL
        else
            Button(MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(WaitFor([&] { return !Held() && !MagnifierShown(); })) << escape;
        if (escape) Button(MOUSEEVENTF_LEFTUP); // the press itself goes on after Escape
        EXPECT_TRUE(WaitFor([] { return ::GetCapture() == nullptr; })) << escape;
    }
}

TEST_F(HeldEyedropper, ALostMouseOrAButtonFoundUpEndsSamplingAndClosingWhileHeldEndsCleanly) {
    TintoraWindow& form = Open();
    Hold();
    PointAt(picColors, 30, 30);
    const COLORREF taken = ScreenPixel(form.Control(picColors), 30, 30);
    ASSERT_TRUE(WaitFor([&] { return Chosen() == taken; }));
    ::SendMessageW(form.Hwnd(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(Held()) << "the sampler has its picture back";
    EXPECT_FALSE(MagnifierShown());
    EXPECT_EQ(::GetCapture(), nullptr);
    const POINT away{80, 80}; // outside the window, where the held button picks nothing
    const ColourPatch patch(away, 40, RGB(1, 2, 3));
    ::SetCursorPos(away.x, away.y);
    EXPECT_FALSE(WaitFor([&] { return Chosen() != taken; }, 300)) << "nothing is sampled afterwards";
    Button(MOUSEEVENTF_LEFTUP);

    Hold();
    ::SetCapture(form.Hwnd()); // taken by another window
    EXPECT_FALSE(Held());
    ::ReleaseCapture();
    Button(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(WaitFor([] { return ::GetAsyncKeyState(VK_LBUTTON) >= 0; }));
    Mouse(Sampler(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON); // a press message with no button really held
    EXPECT_TRUE(Held());
    EXPECT_TRUE(WaitFor([&] { return !Held(); })) << "the next frame finds the button up";
    EXPECT_EQ(::GetCapture(), nullptr);

    Hold();
    ASSERT_TRUE(WaitFor(MagnifierShown));
    ::SendMessageW(form.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.Hwnd(), nullptr);
    EXPECT_EQ(Magnifier(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Where Windows cannot keep it out of the capture, a pointer that jumps onto where the magnifier
// stands must not read the magnifier's own pixels.
TEST_F(HeldEyedropper, APointerJumpingOntoTheMagnifierNeverSamplesItsPixels) {
    TintoraWindow& form = Open();
    const POINT spot{150, 150};
    const COLORREF ground = RGB(40, 160, 60), around = RGB(30, 30, 120);
    const ColourPatch patch(spot, 240, ground), inner(spot, 17, around);
    Hold();
    ::SetCursorPos(spot.x, spot.y);
    ASSERT_TRUE(WaitFor([&] { return Chosen() == around && Centre() == around; }));
    // Onto the frame around its centre cell, which shows neither colour of the patch.
    const MagnifierLook look = MagnifierLookAt(form.Dpi());
    const RECT place = Place();
    const POINT target{place.left + look.line + kMagnifiedReach * look.cell - 1,
                       (place.top + place.bottom) / 2};
    const COLORREF frame = ScreenAt(target);
    ASSERT_TRUE(frame != ground && frame != around) << std::hex << frame;
    ::SetCursorPos(target.x, target.y);
    std::set<COLORREF> seen; // after every message, so that no passing sample goes unseen
    EXPECT_TRUE(WaitFor([&] { return Chosen() == ground; }, 5000, [&] { seen.insert(Chosen()); }));
    EXPECT_EQ(seen.count(frame), 0u) << "the magnifier sampled itself";
    EXPECT_FALSE(Covers(Place(), target));
}
