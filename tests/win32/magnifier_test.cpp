// The magnifier beside the held eyedropper, on the real window with a real button held: it stays on
// the screen beside the tip, shows the sampled pixel in its centre, and never ends up in a sample
// itself. That it comes and goes with the eyedropper is the eyedropper tests' part.
#include "held_eyedropper.h"

#include "window/magnifier.h"

#include <set>

using namespace tintora;
using namespace tintora::testing;

namespace {

class HeldMagnifier : public HeldEyedropper {
protected:
    static RECT Place() {
        RECT place{};
        return ::GetWindowRect(Magnifier(), &place), place;
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

TEST_F(HeldMagnifier, StaysOnTheScreenBesideTheTipAndOffItNearEveryEdge) {
    Open();
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    Hold();
    // Every place on a monitor is the geometry tests' part; here, that the window keeps to the screen.
    for (const POINT tip : {POINT{0, 0}, POINT{width - 1, 0}, POINT{width - 1, height - 1},
                            POINT{0, height - 1}, POINT{width / 2, height / 2}}) {
        ::SetCursorPos(tip.x, tip.y);
        EXPECT_TRUE(WaitFor([&] { return MagnifierShown() && Beside(Place(), tip); }))
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
    ::SetCursorPos(spot.x, spot.y);
    ASSERT_TRUE(WaitFor([&] { return Chosen() == first && Centre() == first; }))
        << std::hex << Chosen() << " " << Centre();
    const MagnifierLook look = MagnifierLookAt(form.Dpi());
    const RECT place = Place();
    EXPECT_EQ(place.right - place.left, look.side);
    const POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    // Unsmoothed: the cells beside the centre show its neighbours, whole.
    EXPECT_EQ(ScreenAt({middle.x + look.cell + look.line, middle.y}), second);
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
    // One message at a time, so that no passing sample goes unseen.
    std::set<COLORREF> seen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Chosen() != ground && std::chrono::steady_clock::now() < deadline) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
            seen.insert(Chosen());
        }
    }
    EXPECT_EQ(Chosen(), ground);
    EXPECT_EQ(seen.count(frame), 0u) << "the magnifier sampled itself";
    EXPECT_FALSE(Covers(Place(), target));
}
