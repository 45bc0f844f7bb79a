// What one mouse move costs during a drag over the palette and along the strip, measured on the
// real window in this process: WM_MOUSEMOVE messages with the left button held, sent straight to
// the picture box, next to an empty message (WM_NULL) sent to the same box. Each figure is the
// best of several rounds of 2,000 events, in microseconds per event. The "settled" figures also let
// the window handle everything a move leaves it (readouts, arrow, repaint) before the next one, as
// when moves come slower than the window can follow.
#include "window/tintora_window.h"

#include <algorithm>
#include <cstdio>

namespace {

using namespace tintora;

constexpr int kEvents = 2000;
constexpr int kRounds = 7;

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

double Seconds() {
    static const double frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Best microseconds per event over the rounds; `send(i)` sends event i. `settle` lets the window
// handle what is pending after every event.
template <typename Send> double MicrosecondsPerEvent(Send send, bool settle) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        Pump();
        const double start = Seconds();
        for (int i = 0; i < kEvents; ++i) {
            send(round * kEvents + i);
            if (settle) Pump();
        }
        best = std::min(best, (Seconds() - start) * 1e6 / kEvents);
    }
    return best;
}

} // namespace

int main() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (!TintoraWindow::Register(instance)) return 1;
    TintoraWindow form;
    if (!form.Create(instance)) return 1;
    ::ShowWindow(form.Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(form.Hwnd());
    Pump();

    const HWND palette = form.Control(picColors);
    const HWND strip = form.Control(picGradient);
    // Scattered positions: nearly every move lands on another colour or another band.
    auto paletteMove = [&](int i) {
        ::SendMessageW(palette, WM_MOUSEMOVE, MK_LBUTTON, Point((i * 37) % 175, (i * 53) % 171));
    };
    auto stripMove = [&](int i) { ::SendMessageW(strip, WM_MOUSEMOVE, MK_LBUTTON, Point(5, (i * 7) % 171)); };
    auto emptyToPalette = [&](int) { ::SendMessageW(palette, WM_NULL, 0, 0); };
    auto emptyToStrip = [&](int) { ::SendMessageW(strip, WM_NULL, 0, 0); };

    const double emptyPalette = MicrosecondsPerEvent(emptyToPalette, false);
    const double emptyStrip = MicrosecondsPerEvent(emptyToStrip, false);
    ::SendMessageW(palette, WM_LBUTTONDOWN, MK_LBUTTON, Point(0, 0));
    const double paletteCost = MicrosecondsPerEvent(paletteMove, false);
    const double palettePainted = MicrosecondsPerEvent(paletteMove, true);
    ::SendMessageW(palette, WM_LBUTTONUP, 0, Point(0, 0));
    ::SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 0));
    const double stripCost = MicrosecondsPerEvent(stripMove, false);
    const double stripPainted = MicrosecondsPerEvent(stripMove, true);
    ::SendMessageW(strip, WM_LBUTTONUP, 0, Point(5, 0));

    std::printf("empty round trip to the palette  %8.3f us\n", emptyPalette);
    std::printf("palette move                     %8.3f us  (%.1f x empty, target 10 x)\n", paletteCost,
                paletteCost / emptyPalette);
    std::printf("palette move, settled            %8.3f us\n", palettePainted);
    std::printf("empty round trip to the strip    %8.3f us\n", emptyStrip);
    std::printf("strip move                       %8.3f us  (%.1f x empty, target 5 x)\n", stripCost,
                stripCost / emptyStrip);
    std::printf("strip move, settled              %8.3f us\n", stripPainted);
    return 0;
}
