// The eyedropper on the real window: single passes at known pointer positions, and the press
// handler's loop driven by steps that run between its passes, as a user's messages would.
#include "window_fixture.h"

#include "editor/marker.h"

#include <winternl.h>

#include <deque>
#include <functional>
#include <initializer_list>

using namespace tintora;
using namespace tintora::testing;

namespace {

// Steps run one per timer tick. The sampler's loop lets the timer's messages run between passes,
// so each step runs while sampling goes on; a step that presses again runs inside the nested loop.
std::deque<std::function<void()>> pendingSteps;
frmTintora* sampling = nullptr;
bool rescued = false;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
    if (pendingSteps.empty()) {
        ::KillTimer(nullptr, timer);
        return;
    }
    const std::function<void()> step = std::move(pendingSteps.front());
    pendingSteps.pop_front();
    step();
}

// A loop that would never end is ended from outside, and the test fails instead of hanging.
void CALLBACK Rescue(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    rescued = true;
    if (sampling != nullptr) sampling->picScreenColor_MouseUp(1, 0, 0, 0);
}

// GDI objects this process holds. Wine answers GetGuiResources with 0; there gdi32 keeps every
// object in the handle table the PEB points at, 24-byte entries whose type byte is 0 when free.
DWORD GdiObjects() {
    const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return counted;
#ifdef _WIN64
    PROCESS_BASIC_INFORMATION process{};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process,
                                    nullptr) != 0)
        return 0;
    const auto* peb = reinterpret_cast<const unsigned char*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
    if (table == nullptr) return 0;
    DWORD used = 0;
    for (int entry = 0; entry < 0x10000; ++entry)
        if (table[entry * 24 + 14] != 0) ++used;
    return used;
#else
    return 0;
#endif
}

DWORD UserObjects() { return ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS); }

class Eyedropper : public WindowTest {
protected:
    // Puts the pointer on a point of the window's client area (negative: above or left of it).
    void PointAt(POINT client) {
        ::ClientToScreen(form_->Hwnd(), &client);
        ::SetCursorPos(client.x, client.y);
    }
    // The middle of the title bar, in client coordinates.
    POINT Caption() const {
        RECT frame{};
        ::GetWindowRect(form_->Hwnd(), &frame);
        POINT origin{0, 0};
        ::ClientToScreen(form_->Hwnd(), &origin);
        return POINT{(frame.left + frame.right) / 2 - origin.x, (frame.top - origin.y) / 2};
    }
    // The first pixel of a label's text, in the window's client coordinates.
    POINT FirstLetterPixel(HWND label) const {
        const RECT bounds = ClientRectIn(label, form_->Hwnd());
        const platform::UniqueWindowDc dc = platform::GetWindowDc(label);
        for (int y = 0; y < bounds.bottom - bounds.top; ++y)
            for (int x = 0; x < bounds.right - bounds.left; ++x)
                if (::GetPixel(dc.get(), x, y) != ::GetSysColor(COLOR_BTNFACE))
                    return POINT{bounds.left + x, bounds.top + y};
        return POINT{bounds.left, bounds.top};
    }
    COLORREF Shown(POINT client) { return ScreenPixel(form_->Hwnd(), client.x, client.y); }
    COLORREF Chosen() { return form_->Box(picChosenColor).BackColor(); }

    // Presses on the sampler and returns once its loop has ended; the steps run meanwhile.
    void PressWhile(UINT message, std::initializer_list<std::function<void()>> steps) {
        pendingSteps.assign(steps.begin(), steps.end());
        sampling = form_.get();
        rescued = false;
        const UINT_PTR stepper = ::SetTimer(nullptr, 0, 30, &RunNextStep);
        const UINT_PTR rescue = ::SetTimer(nullptr, 0, 10000, &Rescue);
        Press(form_->Control(picScreenColor), 5, 5, message);
        ::KillTimer(nullptr, stepper);
        ::KillTimer(nullptr, rescue);
        sampling = nullptr;
        EXPECT_FALSE(rescued) << "sampling went on until rescued";
        EXPECT_TRUE(pendingSteps.empty());
    }

    static constexpr POINT kPaletteA{9 + 120, 17 + 40};
    static constexpr POINT kPaletteB{9 + 30, 17 + 150};
};

} // namespace

TEST_F(Eyedropper, APassTakesThePixelUnderThePointerAsBaseColour) {
    frmTintora& form = Open();
    Press(form.Control(picGradient), 5, 20);
    Release(form.Control(picGradient), 5, 20);
    ASSERT_EQ(form.State().MarkerPos, 20);

    const COLORREF palette = Shown(kPaletteA);
    PointAt(kPaletteA);
    EXPECT_TRUE(form.SampleScreenOnce());
    EXPECT_EQ(Chosen(), palette);
    EXPECT_EQ(form.Box(picGradient).ReadPixel(0, 75), palette);
    EXPECT_EQ(form.State().MarkerPos, kStartMarker);
    EXPECT_EQ(form.ArrowTop(), ArrowTopFor(kStartMarker));

    // Over the title bar the window's client DC cannot read the pixel; the block copy brings it.
    const POINT caption = Caption();
    {
        const platform::UniqueWindowDc dc = platform::GetWindowDc(form.Hwnd());
        ASSERT_EQ(::GetPixel(dc.get(), caption.x, caption.y), CLR_INVALID);
    }
    const COLORREF title = Shown(caption);
    ASSERT_NE(title, palette);
    PointAt(caption);
    EXPECT_TRUE(form.SampleScreenOnce());
    EXPECT_EQ(Chosen(), title);
    EXPECT_EQ(form.Box(picGradient).ReadPixel(0, 75), title);

    // A letter of a label. The window under the pointer is then the form itself, whose DC leaves its
    // children out, so the block copy brings the label's pixel.
    const POINT letter = FirstLetterPixel(form.Control(lblPicker));
    const COLORREF ink = Shown(letter);
    ASSERT_NE(ink, ::GetSysColor(COLOR_BTNFACE));
    PointAt(letter);
    EXPECT_TRUE(form.SampleScreenOnce());
    EXPECT_EQ(Chosen(), ink);

    // The bare desktop, outside every window of the program.
    const POINT desktop{2, 2};
    RECT frame{};
    ::GetWindowRect(form.Hwnd(), &frame);
    ASSERT_FALSE(::PtInRect(&frame, desktop));
    ::SetCursorPos(desktop.x, desktop.y);
    POINT client = desktop;
    ::ScreenToClient(form.Hwnd(), &client);
    const COLORREF bare = Shown(client);
    EXPECT_TRUE(form.SampleScreenOnce());
    EXPECT_EQ(Chosen(), bare);
}

TEST_F(Eyedropper, AnyButtonSamplesLiveUntilOneReleaseEndsEveryLoop) {
    frmTintora& form = Open();
    const HWND sampler = form.Control(picScreenColor);
    const COLORREF first = Shown(kPaletteA);
    const COLORREF second = Shown(kPaletteB);
    ASSERT_NE(first, second);
    // The pointer becomes the eyedropper the box shows, its hot spot at the tip.
    const HICON eyedropper = form.Box(picScreenColor).Picture();
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(eyedropper, &info));
    const platform::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 20u);

    PointAt(kPaletteA);
    PressWhile(WM_RBUTTONDOWN,
               {[&] {
                    EXPECT_EQ(::GetCursor(), eyedropper);
                    EXPECT_EQ(::GetCapture(), sampler);
                    EXPECT_EQ(form.Box(picScreenColor).Picture(), nullptr) << "the box stands empty";
                    EXPECT_EQ(Chosen(), first);
                },
                [&] { Press(sampler, 5, 5, WM_MBUTTONDOWN); }, // nested: the steps below run inside it
                [&] { PointAt(kPaletteB); }, [&] { EXPECT_EQ(Chosen(), second); },
                [&] { Release(sampler, 300, -40, WM_MBUTTONUP); }});
    EXPECT_EQ(Chosen(), second);
    EXPECT_EQ(form.State().MarkerPos, kStartMarker);
    EXPECT_EQ(form.Box(picScreenColor).Picture(), form.Box(picMouse).Picture());
    EXPECT_NE(form.Box(picScreenColor).Picture(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_NE(::GetCursor(), eyedropper);

    // Moving the pointer once sampling has ended changes nothing.
    PointAt(kPaletteA);
    PumpMessages();
    EXPECT_EQ(Chosen(), second);
}

TEST_F(Eyedropper, QuitDuringSamplingEndsTheLoopAndReachesTheMessageLoop) {
    frmTintora& form = Open();
    PointAt(kPaletteA);
    PressWhile(WM_LBUTTONDOWN, {[] {}, [] { ::PostQuitMessage(7); }});
    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_TRUE(::IsWindow(form.Hwnd()));
}

TEST_F(Eyedropper, ClosingTheWindowDuringSamplingEndsTheLoop) {
    frmTintora& form = Open();
    const HWND window = form.Hwnd();
    PointAt(kPaletteA);
    PressWhile(WM_LBUTTONDOWN, {[] {}, [window] { ::PostMessageW(window, WM_CLOSE, 0, 0); }});
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(form.Hwnd(), nullptr);
    EXPECT_FALSE(form.SampleScreenOnce());
    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(Eyedropper, ManyPassesLeaveNoObjectsBehind) {
    frmTintora& form = Open();
    const POINT caption = Caption();
    const auto passesEverywhere = [&] {
        PointAt(kPaletteA);
        form.SampleScreenOnce();
        PointAt(caption);
        form.SampleScreenOnce();
        ::SetCursorPos(2, 2);
        form.SampleScreenOnce();
    };
    const auto dragAround = [&] {
        PointAt(kPaletteB);
        PressWhile(WM_LBUTTONDOWN, {[&] { PointAt(caption); }, [] { ::SetCursorPos(2, 2); },
                                    [&] { Release(form.Control(picScreenColor), 0, 0); }});
    };
    passesEverywhere();
    dragAround();
    const DWORD gdi = GdiObjects();
    const DWORD user = UserObjects();
    ASSERT_NE(gdi, 0u);
    for (int i = 0; i < 100; ++i)
        passesEverywhere();
    for (int i = 0; i < 5; ++i)
        dragAround();
    EXPECT_EQ(GdiObjects(), gdi);
    EXPECT_EQ(UserObjects(), user);
}
