#include "window/eyedropper.h"

namespace tintora {

void Eyedropper::Begin(ControlSet& controls, const Pictures& pictures) noexcept {
    sampling_ = true;
    ::SetCursor(pictures.Eyedropper());
    controls.Box(picScreenColor).SetPicture(nullptr);
}

void Eyedropper::End(ControlSet& controls) noexcept {
    sampling_ = false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    controls.Box(picScreenColor).SetPicture(controls.Box(picMouse).Picture());
}

// Read in the window under the pointer, of whatever program; its DC is back before this returns.
ColourValue Eyedropper::ReadUnderPointer() noexcept {
    POINT point{}; // signed: monitors left of or above the primary one have negative coordinates
    ::GetCursorPos(&point);
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
