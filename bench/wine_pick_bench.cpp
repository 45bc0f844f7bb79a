// What one mouse move costs during a drag over the palette and along the strip, against an empty
// message (WM_NULL) sent to the same box:
// - from a second process, each move sent alone and waited for, as a real mouse delivers them one at
//   a time when the machine keeps up (Tintora runs as its own program);
// - in this process, as a burst of sends straight to the box (the window created here).
// Each figure is the best of several rounds, in microseconds per event. After a burst from the
// second process, the time until the screen shows the burst's last colour, against one frame.
#include "tintora_process.h"

#include "model/palette_picture.h"
#include "platform/display.h"
#include "window/tintora_window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

using namespace tintora;
using Clock = std::chrono::steady_clock;

constexpr int kEvents = 1000;
constexpr int kRounds = 5;

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Best microseconds per event over the rounds; `send(i)` sends event i.
template <typename Send> double MicrosecondsPerEvent(Send send) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        Pump();
        const auto start = Clock::now();
        for (int i = 0; i < kEvents; ++i)
            send(round * kEvents + i);
        best = std::min(best, MillisecondsSince(start) * 1000.0 / kEvents);
    }
    return best;
}

// Scattered positions: nearly every move lands on another colour or another band.
POINT PalettePoint(int i) { return POINT{(i * 37) % kPaletteWidth, (i * 53) % kPaletteHeight}; }
int StripRow(int i) { return (i * 7) % kStripRows; }

void Report(const char* where, double empty, double palette, double strip) {
    std::printf("%s\n", where);
    std::printf("  empty round trip   %8.3f us\n", empty);
    std::printf("  palette move       %8.3f us  (%.2f x empty, target at most 2 x)\n", palette,
                palette / empty);
    std::printf("  strip move         %8.3f us  (%.2f x empty, target at most 2 x)\n", strip, strip / empty);
}

void InProcess() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    TintoraWindow form;
    if (!TintoraWindow::Register(instance) || !form.Create(instance)) return;
    ::ShowWindow(form.Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(form.Hwnd());
    Pump();
    const HWND palette = form.Control(picColors);
    const HWND strip = form.Control(picGradient);
    const double empty = MicrosecondsPerEvent([&](int) { ::SendMessageW(palette, WM_NULL, 0, 0); });
    ::SendMessageW(palette, WM_LBUTTONDOWN, MK_LBUTTON, Point(0, 0));
    const double paletteCost = MicrosecondsPerEvent([&](int i) {
        const POINT p = PalettePoint(i);
        ::SendMessageW(palette, WM_MOUSEMOVE, MK_LBUTTON, Point(p.x, p.y));
    });
    ::SendMessageW(palette, WM_LBUTTONUP, 0, Point(0, 0));
    ::SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 0));
    const double stripCost = MicrosecondsPerEvent(
        [&](int i) { ::SendMessageW(strip, WM_MOUSEMOVE, MK_LBUTTON, Point(5, StripRow(i))); });
    ::SendMessageW(strip, WM_LBUTTONUP, 0, Point(5, 0));
    Report("in this process, a burst of sends to the box:", empty, paletteCost, stripCost);
}

// From here Tintora is another program: each send waits for its move to be handled there.
int FromAnotherProcess(const wchar_t* exe) {
    const TintoraProcess process(exe);
    if (!process.Started()) {
        std::fputs("wine_bench_picking: Tintora did not start\n", stderr);
        return 1;
    }
    HWND window = nullptr;
    for (int i = 0; i < 500 && (window == nullptr || !::IsWindowVisible(window)); ++i) {
        ::Sleep(20);
        window = ::FindWindowW(TintoraWindow::kClassName, nullptr);
    }
    int status = 1;
    if (window != nullptr) {
        ::Sleep(300);
        const HWND palette = ::GetDlgItem(window, picColors);
        const HWND strip = ::GetDlgItem(window, picGradient);
        const double empty = MicrosecondsPerEvent([&](int) { ::SendMessageW(palette, WM_NULL, 0, 0); });
        ::SendMessageW(palette, WM_LBUTTONDOWN, MK_LBUTTON, Point(0, 0));
        const double paletteCost = MicrosecondsPerEvent([&](int i) {
            const POINT p = PalettePoint(i);
            ::SendMessageW(palette, WM_MOUSEMOVE, MK_LBUTTON, Point(p.x, p.y));
        });
        // The burst ends on a known pixel; the New swatch must show it within a frame or so.
        const POINT last{120, 40};
        ::SendMessageW(palette, WM_MOUSEMOVE, MK_LBUTTON, Point(last.x, last.y));
        const auto burstEnd = Clock::now();
        const auto want = static_cast<COLORREF>(PalettePicture().At(last.x, last.y));
        RECT swatch{};
        ::GetWindowRect(::GetDlgItem(window, picChosenColor), &swatch);
        const platform::UniqueWindowDc screen = platform::GetWindowDc(nullptr);
        double shownAfter = -1;
        while (MillisecondsSince(burstEnd) < 2000) {
            if (::GetPixel(screen.get(), swatch.left + 10, swatch.top + 10) == want) {
                shownAfter = MillisecondsSince(burstEnd);
                break;
            }
        }
        ::SendMessageW(palette, WM_LBUTTONUP, 0, Point(last.x, last.y));
        ::SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 0));
        const double stripCost = MicrosecondsPerEvent(
            [&](int i) { ::SendMessageW(strip, WM_MOUSEMOVE, MK_LBUTTON, Point(5, StripRow(i))); });
        ::SendMessageW(strip, WM_LBUTTONUP, 0, Point(5, 0));
        Report("from another process, each move alone:", empty, paletteCost, stripCost);
        std::printf("  the burst's last colour on the screen after %.1f ms (one frame: %.1f ms)\n",
                    shownAfter, 1000.0 / platform::RefreshRate());
        status = shownAfter >= 0 ? 0 : 1;
    }
    return status;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: wine_bench_picking TINTORA.EXE\n", stderr);
        return 2;
    }
    const int status = FromAnotherProcess(argv[1]);
    InProcess();
    return status;
}
