// Samples per second while the eyedropper is held. Each pass is the press handler's loop body: read
// the pixel under the pointer, make it the base colour (strip, New swatch, arrow and readouts), and
// let pending messages run, which repaints what changed. The window is the real one, in-process.
#include "editor/frm_tintora.h"
#include "window_fixture.h"

#include <cstdio>

using namespace tintora;

namespace {

constexpr int kPasses = 2000;

double Seconds() {
    LARGE_INTEGER now{}, frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

POINT OnScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    return point;
}

// Runs the passes with the pointer at the points given for each pass in turn, and reports the rate.
template <typename PointFor> void Measure(frmTintora& form, const char* what, PointFor pointFor) {
    for (int pass = 0; pass < 50; ++pass) {
        const POINT point = pointFor(pass);
        ::SetCursorPos(point.x, point.y);
        form.SampleScreenOnce();
    }
    const double start = Seconds();
    for (int pass = 0; pass < kPasses; ++pass) {
        const POINT point = pointFor(pass);
        ::SetCursorPos(point.x, point.y);
        form.SampleScreenOnce();
    }
    const double elapsed = Seconds() - start;
    std::printf("eyedropper %s: %.0f samples/s (%d passes in %.2f s)\n", what, kPasses / elapsed, kPasses,
                elapsed);
}

} // namespace

int main() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    frmTintora form;
    if (!frmTintora::Register(instance) || !form.Create(instance)) return 1;
    ::ShowWindow(form.Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(form.Hwnd());
    tintora::testing::PumpMessages();
    const HWND window = form.Hwnd();

    // Every pass a new palette pixel: a new colour, so every readout is rewritten too.
    const ControlLayout& palette = LayoutOf(picColors);
    Measure(form, "moving over the palette", [&](int pass) {
        return OnScreen(window, palette.left + pass % palette.width,
                        palette.top + (pass * 7) % palette.height);
    });
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const POINT origin = OnScreen(window, 0, 0);
    const POINT caption{(frame.left + frame.right) / 2, (frame.top + origin.y) / 2};
    Measure(form, "held over the title bar (block copy)", [&](int) { return caption; });
    Measure(form, "held over the bare desktop", [](int) { return POINT{2, 2}; });
    return 0;
}
