// The eyedropper on the real window, held with a real mouse button (SendInput), so that the
// program sees the button as the system does: samples while held, a lost mouse or a button found up
// ends it as a release would, Escape takes it back, and closing while held ends cleanly. The magnifier
// comes with the press, without taking the focus, and goes with every end.
#include "held_eyedropper.h"

using namespace tintora;
using namespace tintora::testing;

TEST_F(HeldEyedropper, FollowsThePointerWhileHeldAndTheReleaseKeepsTheLastSample) {
    Open();
    const COLORREF first = PaletteShown(30, 30), second = PaletteShown(150, 100);
    EXPECT_FALSE(MagnifierShown());
    const HWND foreground = ::GetForegroundWindow();
    Hold();
    EXPECT_EQ(::GetCapture(), Sampler());
    ASSERT_TRUE(WaitFor(MagnifierShown)) << "the press shows the magnifier";
    EXPECT_EQ(::GetForegroundWindow(), foreground);
    EXPECT_EQ(::GetActiveWindow(), form_->Hwnd());
    EXPECT_EQ(::GetFocus(), Sampler());
    RECT place{};
    ::GetWindowRect(Magnifier(), &place);
    EXPECT_NE(::WindowFromPoint({(place.left + place.right) / 2, (place.top + place.bottom) / 2}),
              Magnifier())
        << "the mouse passes through it";
    ::SetCursorPos(Palette(30, 30).x, Palette(30, 30).y);
    EXPECT_TRUE(WaitFor([&] { return Chosen() == first; }));
    ::SetCursorPos(Palette(150, 100).x, Palette(150, 100).y);
    EXPECT_TRUE(WaitFor([&] { return Chosen() == second; }));
    EXPECT_EQ(Marker(), ColourModel::kStartMarker);
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(WaitFor([&] { return !Held() && !MagnifierShown(); }));
    EXPECT_EQ(Chosen(), second);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(HeldEyedropper, FollowsAWindowThatChangesColourUnderAStillPointer) {
    Open();
    const POINT spot{80, 80}; // off the window
    ColourPatch patch(spot);
    patch.Paint(RGB(10, 200, 30));
    Hold();
    ::SetCursorPos(spot.x, spot.y);
    EXPECT_TRUE(WaitFor([&] { return Chosen() == RGB(10, 200, 30); }));
    patch.Paint(RGB(220, 40, 90));
    EXPECT_TRUE(WaitFor([&] { return Chosen() == RGB(220, 40, 90); })) << "the frame timer samples again";
}

TEST_F(HeldEyedropper, ALostMouseEndsSamplingAsAReleaseWould) {
    Open();
    Hold();
    ::SetCursorPos(Palette(30, 30).x, Palette(30, 30).y);
    const COLORREF taken = PaletteShown(30, 30);
    ASSERT_TRUE(WaitFor([&] { return Chosen() == taken; }));
    ::SendMessageW(form_->Hwnd(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(Held()) << "the sampler has its picture back";
    EXPECT_FALSE(MagnifierShown());
    EXPECT_EQ(::GetCapture(), nullptr);
    const POINT away{80, 80}; // outside the window, where the held button picks nothing
    ColourPatch patch(away);
    patch.Paint(RGB(1, 2, 3));
    ::SetCursorPos(away.x, away.y);
    EXPECT_FALSE(WaitFor([&] { return Chosen() != taken; }, 300)) << "nothing is sampled afterwards";

    // Capture taken by another window.
    Button(MOUSEEVENTF_LEFTUP);
    Hold();
    ::SetCapture(form_->Hwnd());
    EXPECT_FALSE(Held());
    ::ReleaseCapture();
}

TEST_F(HeldEyedropper, AButtonFoundUpEndsSampling) {
    Open();
    Press(Sampler(), 5, 5); // a press message with no button really held
    EXPECT_TRUE(Held());
    EXPECT_TRUE(WaitFor([&] { return !Held(); })) << "the next frame finds the button up";
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(HeldEyedropper, EscapeBringsBackEverythingFromBeforeThePress) {
    StoreImColor(0x003264C8);
    TintoraWindow& form = Open();
    Click(picGradient, 5, 40);
    PumpMessages();
    const std::wstring hex = TextOf(form.Control(txtHexa));
    const COLORREF chosen = Chosen(), base = StripAt(75);
    const RECT arrow = form.ArrowPlace();
    Hold();
    ::SetCursorPos(Palette(150, 100).x, Palette(150, 100).y);
    ASSERT_TRUE(WaitFor([&] { return Chosen() != chosen; }));
    ::PostMessageW(Sampler(), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitFor([&] { return !Held() && !MagnifierShown(); }));
    EXPECT_EQ(Chosen(), chosen);
    EXPECT_EQ(StripAt(75), base);
    EXPECT_EQ(Marker(), 40);
    EXPECT_EQ(TextOf(form.Control(txtHexa)), hex);
    Presented();
    EXPECT_EQ(form.ArrowPlace().top, arrow.top);
    EXPECT_EQ(StoredImColor(), 0x003264C8u) << "nothing is stored";
}

TEST_F(HeldEyedropper, ClosingWhileHeldEndsCleanly) {
    TintoraWindow& form = Open();
    Hold();
    ASSERT_TRUE(WaitFor(MagnifierShown));
    ::SendMessageW(form.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.Hwnd(), nullptr);
    EXPECT_EQ(Magnifier(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}
