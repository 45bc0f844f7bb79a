// The eyedropper on the real window: single passes at known pointer positions, and the press
// handler's loop ended by messages waiting in the queue, as a user's would.
#include "window_fixture.h"

#include "editor/marker.h"

using namespace tintora;
using namespace tintora::testing;

namespace {

frmTintora* sampling = nullptr;

// A loop that would never end is ended from outside, and the test fails instead of hanging.
void CALLBACK Rescue(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ADD_FAILURE() << "sampling went on until rescued";
    sampling->picScreenColor_MouseUp(1, 0, 0, 0);
}

class Eyedropper : public WindowTest {
protected:
    void PointAt(POINT client) {
        ::ClientToScreen(form_->Hwnd(), &client);
        ::SetCursorPos(client.x, client.y);
    }
    COLORREF Shown(POINT client) { return ScreenPixel(form_->Hwnd(), client.x, client.y); }
    // Presses on the sampler and returns once its loop has ended.
    void PressSampler(UINT message) {
        sampling = form_.get();
        const UINT_PTR rescue = ::SetTimer(nullptr, 0, 10000, &Rescue);
        Press(form_->Control(picScreenColor), 5, 5, message);
        ::KillTimer(nullptr, rescue);
    }
    static constexpr POINT kPalette{9 + 120, 17 + 40};
};

} // namespace

TEST_F(Eyedropper, APassTakesThePixelUnderThePointerEvenWhereTheWindowDcCannotReadIt) {
    frmTintora& form = Open();
    Click(picGradient, 5, 20);
    const COLORREF palette = Shown(kPalette);
    PointAt(kPalette);
    EXPECT_TRUE(form.SampleScreenOnce());
    EXPECT_EQ(Chosen(), palette);
    EXPECT_EQ(StripAt(75), palette);
    EXPECT_EQ(form.State().MarkerPos, kStartMarker);

    // Over the title bar the window's DC answers no colour; the block copy brings the pixel.
    RECT frame{};
    ::GetWindowRect(form.Hwnd(), &frame);
    POINT caption{0, 0};
    ::ClientToScreen(form.Hwnd(), &caption);
    caption = {(frame.left + frame.right) / 2, (frame.top + caption.y) / 2};
    ::ScreenToClient(form.Hwnd(), &caption);
    {
        const platform::UniqueWindowDc dc = platform::GetWindowDc(form.Hwnd());
        ASSERT_EQ(::GetPixel(dc.get(), caption.x, caption.y), CLR_INVALID);
    }
    const COLORREF title = Shown(caption);
    ASSERT_NE(title, palette);
    PointAt(caption);
    EXPECT_TRUE(form.SampleScreenOnce());
    EXPECT_EQ(Chosen(), title);
}

TEST_F(Eyedropper, ANestedPressAndOneReleaseEndEveryLoopAndAQuitIsPassedOn) {
    frmTintora& form = Open();
    const HWND sampler = form.Control(picScreenColor);
    const COLORREF shown = Shown(kPalette);
    PointAt(kPalette);
    ::PostMessageW(sampler, WM_MBUTTONDOWN, MK_RBUTTON | MK_MBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(sampler, WM_MBUTTONUP, 0, MAKELPARAM(300, 40));
    PressSampler(WM_RBUTTONDOWN);
    EXPECT_EQ(Chosen(), shown);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(form.Box(picScreenColor).Picture(), form.Box(picMouse).Picture());

    ::PostQuitMessage(7);
    PressSampler(WM_LBUTTONDOWN);
    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_TRUE(::IsWindow(form.Hwnd()));
}
