#include "window/eyedropper.h"

#include "platform/display.h"

namespace tintora {

void Eyedropper::Begin(HWND window, ControlSet& controls, const Pictures& pictures) noexcept {
    held_ = true;
    ::SetCursor(pictures.Eyedropper());
    controls.Box(picScreenColor).SetPicture(nullptr);
    screen_ = platform::GetWindowDc(nullptr);
    // Without them the eyedropper still samples, one pixel at a time, with nothing beside it.
    if (block_.Width() == 0) block_.Create(kMagnifiedSide, kMagnifiedSide);
    magnifier_.Create(window);
    ::SetTimer(window, kFrameTimer, static_cast<UINT>(1000 / platform::RefreshRate()), nullptr);
}

void Eyedropper::End(HWND window, ControlSet& controls, bool keepMouse) noexcept {
    if (!held_) return;
    held_ = false; // first: letting the mouse go below comes back here as a lost capture
    ::KillTimer(window, kFrameTimer);
    screen_.reset();
    magnifier_.Hide();
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    controls.Box(picScreenColor).SetPicture(controls.Box(picMouse).Picture());
    if (!keepMouse && ::GetCapture() == controls.Control(picScreenColor)) ::ReleaseCapture();
}

std::optional<ColourValue> Eyedropper::Sample(bool checkButtons) noexcept {
    if (checkButtons && ::GetAsyncKeyState(VK_LBUTTON) >= 0 && ::GetAsyncKeyState(VK_RBUTTON) >= 0 &&
        ::GetAsyncKeyState(VK_MBUTTON) >= 0)
        return std::nullopt;
    POINT point{}; // physical pixels; signed: monitors left of or above the primary have negative ones
    ::GetCursorPos(&point);
    // The pointer jumped to where the magnifier still stands: it moves away first, and the next
    // frame reads what it uncovered.
    if (!magnifier_.ClearOf(point)) {
        magnifier_.Follow(point);
        return last_;
    }
    if (!CaptureScreen(point)) {
        last_ = ReadInWindowUnder(point);
    } else {
        const COLORREF read = block_.Read(kMagnifiedReach, kMagnifiedReach);
        if (magnifier_.MayBeItself(point, read)) return last_;
        last_ = static_cast<ColourValue>(read);
    }
    magnifier_.Show(block_.View(), point);
    return last_;
}

// The screen holds what the user sees, also where Windows enlarges a window that knows no density,
// whose own DC would answer at the wrong place. One copy of the block around the tip; what lies off
// every screen shows as such.
bool Eyedropper::CaptureScreen(POINT point) noexcept {
    if (!screen_ || block_.Width() == 0) return false;
    const platform::Edges block = CapturedBlock({point.x, point.y});
    const int screensLeft = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int screensTop = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const platform::Edges shown =
        OnScreens(block, {screensLeft, screensTop, screensLeft + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          screensTop + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    if (shown.left >= shown.right || shown.top >= shown.bottom) return false;
    if (shown != block) block_.Fill(0, 0, kMagnifiedSide - 1, kMagnifiedSide - 1, kOffScreen);
    return ::BitBlt(block_.Dc(), shown.left - block.left, shown.top - block.top, shown.right - shown.left,
                    shown.bottom - shown.top, screen_.get(), shown.left, shown.top, SRCCOPY) != FALSE;
}

// Where the screen cannot be read: the window under the pointer, of whatever program, through its
// own DC, which is back before this returns. The block comes from there too, its centre the sample.
ColourValue Eyedropper::ReadInWindowUnder(POINT point) noexcept {
    const HWND under = ::WindowFromPoint(point);
    const platform::UniqueWindowDc dc = platform::GetWindowDc(under);
    ::ScreenToClient(under, &point);
    const COLORREF sample = ::GetPixel(dc.get(), point.x, point.y);
    if (block_.Width() == 0) return sample != CLR_INVALID ? static_cast<ColourValue>(sample) : kBlack;
    block_.Fill(0, 0, kMagnifiedSide - 1, kMagnifiedSide - 1, kOffScreen);
    // GetPixel answers CLR_INVALID outside the client DC's clip (a title bar, a border), where a
    // block copy still reads what is shown.
    ::BitBlt(block_.Dc(), 0, 0, kMagnifiedSide, kMagnifiedSide, dc.get(), point.x - kMagnifiedReach,
             point.y - kMagnifiedReach, SRCCOPY);
    if (sample != CLR_INVALID) block_.Write(kMagnifiedReach, kMagnifiedReach, sample);
    return static_cast<ColourValue>(block_.Read(kMagnifiedReach, kMagnifiedReach));
}

bool Eyedropper::Nudge(PickKey key, bool shift) noexcept {
    const std::optional<PixelStep> step = ArrowStep(key, shift);
    if (!step) return false;
    POINT point{};
    ::GetCursorPos(&point);
    ::SetCursorPos(point.x + step->dx, point.y + step->dy);
    return true;
}

} // namespace tintora
