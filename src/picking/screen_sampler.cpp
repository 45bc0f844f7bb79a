// The eyedropper. A press on the sampler turns the pointer into the eyedropper and samples the
// screen pixel under its tip over and over, letting the window's messages run between samples;
// the release, which arrives through those messages, ends the loop. The sampler keeps the mouse
// captured, so the release comes here wherever it happens.
#include "editor/frm_tintora.h"

#include "editor/marker.h"
#include "platform/message_loop.h"

namespace tintora {

// The pixel under the pointer, read in the window under it, of whatever program. The New swatch's
// top-left pixel holds it afterwards, and the window's DC is back before this returns.
COLORREF frmTintora::SampleScreenPixel() {
    POINT point{}; // signed: monitors left of or above the primary one have negative coordinates
    ::GetCursorPos(&point);
    const HWND under = ::WindowFromPoint(point);
    const platform::UniqueWindowDc dc = platform::GetWindowDc(under);
    ::ScreenToClient(under, &point);
    COLORREF sample = ::GetPixel(dc.get(), point.x, point.y);
    platform::PictureBox& chosen = Box(picChosenColor);
    if (sample == CLR_INVALID) {
        // Outside what the client DC can read (a title bar, a border): copy the block there into the
        // New swatch and take its first pixel.
        ::BitBlt(chosen.SurfaceDc(), 0, 0, chosen.ScaleWidth(), chosen.ScaleHeight(), dc.get(), point.x,
                 point.y, SRCCOPY);
        sample = chosen.ReadPixel(0, 0);
    } else {
        chosen.SetPixel(0, 0, sample);
    }
    return sample;
}

bool frmTintora::SampleScreenOnce() {
    if (hwnd_ == nullptr) return false;
    const COLORREF sample = SampleScreenPixel();
    state_.MarkerPos = kStartMarker;
    SetBaseColor(static_cast<ColourValue>(sample));
    // The release arrives here. So may a close of the window or a quit request; either ends sampling.
    return platform::PumpPendingMessages(hwnd_);
}

// Any button pressed on the sampler. A second press while sampling runs its own loop inside the
// first; one release ends both.
void frmTintora::picScreenColor_MouseDown(int, int, float, float) {
    pointer_ = Pointer::Eyedropper;
    ::SetCursor(pictures_.Eyedropper());
    Box(picScreenColor).SetPicture(nullptr);
    while (pointer_ == Pointer::Eyedropper && SampleScreenOnce()) {}
}

// The release, wherever it happens: the pointer and the sampler's picture come back.
void frmTintora::picScreenColor_MouseUp(int, int, float, float) {
    pointer_ = Pointer::Default;
    ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))); // IDC_ARROW
    Box(picScreenColor).SetPicture(Box(picMouse).Picture());
}

} // namespace tintora
