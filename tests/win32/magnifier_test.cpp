// The magnifier beside the held eyedropper, on the real window with a real button held: it comes and
// goes with the eyedropper, stays on the screen beside the tip, shows the sampled pixel framed in its
// centre, and never ends up in a sample itself.
#include "held_eyedropper.h"

#include "window/magnifier.h"

#include <set>

using namespace tintora;
using namespace tintora::testing;

namespace {

class HeldMagnifier : public HeldEyedropper {
protected:
    static HWND Window() { return ::FindWindowW(Magnifier::kClassName, nullptr); }
    static bool Shown() { return Window() != nullptr && ::IsWindowVisible(Window()); }
    static RECT Place() {
        RECT place{};
        ::GetWindowRect(Window(), &place);
        return place;
    }
    static COLORREF ScreenAt(POINT at) {
        const platform::UniqueWindowDc screen = platform::GetWindowDc(nullptr);
        return ::GetPixel(screen.get(), at.x, at.y);
    }
    // The magnifier's middle pixel, within its centre cell, as the screen shows it.
    static COLORREF Centre() {
        const RECT place = Place();
        return ScreenAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    }
    static void MoveTo(POINT at) { ::SetCursorPos(at.x, at.y); }
    // Whether the magnifier has settled beside the tip: within reach of it on both axes.
    static bool Beside(const RECT& place, POINT tip) {
        const auto close = [](int low, int high, int at) {
            const int gap = at < low ? low - at : at - high + 1;
            return gap > 0 && gap <= 60;
        };
        return close(place.left, place.right, tip.x) && close(place.top, place.bottom, tip.y);
    }
    static bool Covers(const RECT& place, POINT tip) {
        return place.left <= tip.x + kMagnifiedReach && tip.x - kMagnifiedReach < place.right &&
               place.top <= tip.y + kMagnifiedReach && tip.y - kMagnifiedReach < place.bottom;
    }
};

} // namespace

TEST_F(HeldMagnifier, ComesWithThePressAndGoesWithEveryEndWithoutTakingTheFocus) {
    TintoraWindow& form = Open();
    EXPECT_FALSE(Shown());
    const HWND foreground = ::GetForegroundWindow();
    Hold();
    ASSERT_TRUE(WaitFor([] { return Shown(); })) << "the press shows it";
    EXPECT_EQ(::GetForegroundWindow(), foreground);
    EXPECT_EQ(::GetActiveWindow(), form.Hwnd());
    EXPECT_EQ(::GetFocus(), Sampler());
    const RECT place = Place();
    EXPECT_NE(::WindowFromPoint({(place.left + place.right) / 2, (place.top + place.bottom) / 2}), Window())
        << "the mouse passes through it";
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(WaitFor([] { return !Shown(); })) << "the release";

    Hold();
    ASSERT_TRUE(WaitFor([] { return Shown(); }));
    ::PostMessageW(Sampler(), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitFor([] { return !Shown(); })) << "Escape";
    Button(MOUSEEVENTF_LEFTUP);

    Hold();
    ASSERT_TRUE(WaitFor([] { return Shown(); }));
    ::SendMessageW(form.Hwnd(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(Shown()) << "a lost mouse";
    Button(MOUSEEVENTF_LEFTUP);

    Hold();
    ASSERT_TRUE(WaitFor([] { return Shown(); }));
    ::SendMessageW(form.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Window(), nullptr) << "the window's close";
}

TEST_F(HeldMagnifier, StaysOnTheScreenBesideTheTipAndOffItNearEveryEdge) {
    Open();
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    Hold();
    for (const POINT tip :
         {POINT{0, 0}, POINT{width - 1, 0}, POINT{width - 1, height - 1}, POINT{0, height - 1},
          POINT{width / 2, 2}, POINT{width - 3, height / 2}, POINT{width / 2, height - 3},
          POINT{2, height / 2}, POINT{width / 2, height / 2}}) {
        MoveTo(tip);
        EXPECT_TRUE(WaitFor([&] { return Shown() && Beside(Place(), tip); }))
            << "beside " << tip.x << "," << tip.y << ": " << Place().left << "," << Place().top;
        const RECT place = Place();
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= width && place.bottom <= height)
            << tip.x << "," << tip.y;
        EXPECT_FALSE(Covers(place, tip)) << tip.x << "," << tip.y;
    }
}

TEST_F(HeldMagnifier, ItsCentreIsTheSampledPixelThroughNudgesAndChanges) {
    TintoraWindow& form = Open();
    const POINT spot{90, 90};
    const COLORREF first = RGB(200, 30, 40), second = RGB(20, 60, 220);
    ColourPatch patch(spot, 60);
    patch.Paint(first, second); // one pixel each, checkered
    Hold();
    MoveTo(spot);
    ASSERT_TRUE(WaitFor([&] { return Chosen() == first && Centre() == first; }))
        << std::hex << Chosen() << " " << Centre();
    const MagnifierLook look = MagnifierLookAt(form.Dpi());
    const RECT place = Place();
    EXPECT_EQ(place.right - place.left, look.side);
    const POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    // Unsmoothed: the cells beside the centre show its neighbours, whole.
    EXPECT_EQ(ScreenAt({middle.x + look.cell + look.line, middle.y}), second);
    EXPECT_EQ(ScreenAt({middle.x, middle.y - look.cell - look.line}), second);
    EXPECT_EQ(ScreenAt({middle.x + look.cell + look.line, middle.y + look.cell + look.line}), first);

    ::PostMessageW(Sampler(), WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_TRUE(WaitFor([&] { return Chosen() == second && Centre() == second; }))
        << "one pixel right: " << std::hex << Chosen() << " " << Centre();
    ::PostMessageW(Sampler(), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(WaitFor([&] { return Chosen() == first && Centre() == first; }))
        << "one down: " << std::hex << Chosen() << " " << Centre();

    const COLORREF light = RGB(250, 240, 120), dark = RGB(10, 10, 10);
    patch.Paint(light, dark);
    EXPECT_TRUE(WaitFor([&] { return Chosen() == light && Centre() == light; }))
        << "the still pointer over a change: " << std::hex << Chosen() << " " << Centre();
}

// Where Windows cannot keep it out of the capture, a pointer that jumps onto where the magnifier
// stands must not read the magnifier's own pixels.
TEST_F(HeldMagnifier, APointerJumpingOntoItNeverSamplesItsPixels) {
    TintoraWindow& form = Open();
    const POINT spot{150, 150};
    const COLORREF ground = RGB(40, 160, 60), around = RGB(30, 30, 120);
    ColourPatch patch(spot, 240);
    patch.Paint(ground);
    patch.Spot(spot, 8, around);
    Hold();
    MoveTo(spot);
    ASSERT_TRUE(WaitFor([&] { return Chosen() == around && Centre() == around; }));
    // Onto the frame around its centre cell, which shows neither colour of the patch.
    const MagnifierLook look = MagnifierLookAt(form.Dpi());
    const RECT place = Place();
    const POINT target{place.left + look.line + kMagnifiedReach * look.cell - 1,
                       (place.top + place.bottom) / 2};
    const COLORREF frame = ScreenAt(target);
    ASSERT_TRUE(frame != ground && frame != around) << std::hex << frame;
    MoveTo(target);
    // One message at a time, so that no passing sample goes unseen.
    std::set<COLORREF> seen;
    std::string log;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Chosen() != ground && std::chrono::steady_clock::now() < deadline) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
            seen.insert(Chosen());
            log += std::to_string(message.message) + ":" + std::to_string(Chosen()) + " ";
        }
    }
    EXPECT_EQ(Chosen(), ground);
    EXPECT_EQ(seen.count(frame), 0u) << "the magnifier sampled itself " << log;
    EXPECT_FALSE(Covers(Place(), target));
}
