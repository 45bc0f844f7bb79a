#include "window/eyedropper.h"

#include "platform/display.h"

namespace tintora {

void Eyedropper::Begin(HWND window, ControlSet& controls, const Pictures& pictures) noexcept {
    held_ = true;
    ::SetCursor(pictures.Eyedropper());
    controls.Box(picScreenColor).SetPicture(nullptr);
    screen_ = platform::GetWindowDc(nullptr);
    ::SetTimer(window, kFrameTimer, static_cast<UINT>(1000 / platform::RefreshRate()), nullptr);
}

void Eyedropper::End(HWND window, ControlSet& controls, bool keepMouse) noexcept {
    if (!held_) return;
    held_ = false; // first: letting the mouse go below comes back here as a lost capture
    ::KillTimer(window, kFrameTimer);
    screen_.reset();
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
    // The screen holds what the user sees, also where Windows enlarges a window that knows no
    // density, whose own DC would answer at the wrong place.
    const COLORREF shown = screen_ ? ::GetPixel(screen_.get(), point.x, point.y) : CLR_INVALID;
    return shown != CLR_INVALID ? static_cast<ColourValue>(shown) : ReadInWindowUnder(point);
}

// Where the screen cannot be read: the window under the pointer, of whatever program, through its
// own DC, which is back before this returns.
ColourValue Eyedropper::ReadInWindowUnder(POINT point) noexcept {
    const HWND under = ::WindowFromPoint(point);
    const platform::UniqueWindowDc dc = platform::GetWindowDc(under);
    ::ScreenToClient(under, &point);
    const COLORREF sample = ::GetPixel(dc.get(), point.x, point.y);
    if (sample != CLR_INVALID) return static_cast<ColourValue>(sample);
    // GetPixel answers CLR_INVALID outside the client DC's clip (a title bar, a border), where a
    // block copy still reads what is shown.
    if (scratch_.Width() == 0 && !scratch_.Create(1, 1)) return kBlack;
    ::BitBlt(scratch_.Dc(), 0, 0, 1, 1, dc.get(), point.x, point.y, SRCCOPY);
    return static_cast<ColourValue>(scratch_.Read(0, 0));
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
