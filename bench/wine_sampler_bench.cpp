// The eyedropper held, on the real program in its own process: a real button held on the sampler
// (SendInput), the pointer resting on a window of this program whose colour it changes.
// - CPU of Tintora's process while held still over unchanging content, with the magnifier beside
//   the pointer, beside the same program idle (the floor), each over three seconds of wall time.
// - How long a colour change under the still pointer takes to reach the hex readout, against one
//   display frame.
// - Samples a second while the pointer moves: each move to a new colour waits until the readout shows
//   it, so the figure is how many distinct samples a second reach the screen.
#include "tintora_process.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kHexReadout = 1026; // txtHexa
constexpr int kSampler = 1022;    // picScreenColor
constexpr POINT kSpot{60, 60};    // the patch, off Tintora's centred window

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

COLORREF patchColour = RGB(10, 20, 30);
constexpr COLORREF kLeft = RGB(250, 10, 10), kRight = RGB(10, 10, 250);

// The patch: one colour in its middle, and a strip of two others below it for the moves.
LRESULT CALLBACK PatchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message != WM_PAINT) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd, &paint);
    const auto fill = [&](RECT area, COLORREF colour) {
        const HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dc, &area, brush);
        ::DeleteObject(brush);
    };
    fill(RECT{0, 0, 80, 60}, patchColour);
    fill(RECT{0, 60, 40, 80}, kLeft);
    fill(RECT{40, 60, 80, 80}, kRight);
    ::EndPaint(hwnd, &paint);
    return 0;
}

void Pump(int milliseconds) {
    const auto until = Clock::now() + std::chrono::milliseconds(milliseconds);
    do {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    } while (Clock::now() < until);
}

std::wstring HexOf(COLORREF colour) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

std::wstring Readout(HWND tintora) {
    wchar_t text[16] = L"";
    ::SendMessageW(::GetDlgItem(tintora, kHexReadout), WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
    return text;
}

// Pumps until Tintora's hex readout shows the colour; milliseconds taken, or -1 after two seconds.
double UntilShown(HWND tintora, COLORREF colour) {
    const auto start = Clock::now();
    const std::wstring want = HexOf(colour);
    while (Readout(tintora) != want) {
        if (MillisecondsSince(start) > 2000) return -1;
        Pump(0);
    }
    return MillisecondsSince(start);
}

void Paint(HWND patch, COLORREF colour) {
    patchColour = colour;
    ::InvalidateRect(patch, nullptr, FALSE);
    ::UpdateWindow(patch);
}

double CpuPercent(HANDLE process, int milliseconds) {
    const auto times = [&] {
        FILETIME created, exited, kernel, user;
        ::GetProcessTimes(process, &created, &exited, &kernel, &user);
        const auto value = [](FILETIME t) {
            return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        };
        return value(kernel) + value(user); // 100 ns units
    };
    const ULONGLONG before = times();
    const auto start = Clock::now();
    Pump(milliseconds);
    const double wall = MillisecondsSince(start);
    return static_cast<double>(times() - before) / 10000.0 / wall * 100.0;
}

void Button(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: wine_bench_sampler TINTORA.EXE\n", stderr);
        return 2;
    }
    WNDCLASSW patchClass{};
    patchClass.lpfnWndProc = &PatchProc;
    patchClass.hInstance = ::GetModuleHandleW(nullptr);
    patchClass.lpszClassName = L"SamplerBenchPatch";
    ::RegisterClassW(&patchClass);
    const HWND patch = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, patchClass.lpszClassName, L"",
                                         WS_POPUP | WS_VISIBLE, kSpot.x - 40, kSpot.y - 40, 80, 80, nullptr,
                                         nullptr, patchClass.hInstance, nullptr);
    Pump(200);
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    const int refreshRate =
        ::EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1
            ? static_cast<int>(mode.dmDisplayFrequency)
            : 60;

    const TintoraProcess process(argv[1]);
    if (!process.Started()) {
        std::fputs("wine_bench_sampler: Tintora did not start\n", stderr);
        return 1;
    }
    HWND tintora = nullptr;
    for (int i = 0; i < 500 && (tintora == nullptr || Readout(tintora).empty()); ++i) {
        Pump(20);
        tintora = ::FindWindowW(L"TintoraWindow", nullptr);
    }
    int status = 1;
    if (tintora != nullptr) {
        Pump(500);
        const double idle = CpuPercent(process.Handle(), 3000);
        RECT sampler{};
        ::GetWindowRect(::GetDlgItem(tintora, kSampler), &sampler);
        ::SetCursorPos(sampler.left + 5, sampler.top + 5);
        Pump(100);
        Button(MOUSEEVENTF_LEFTDOWN);
        Pump(100);
        ::SetCursorPos(kSpot.x, kSpot.y);
        if (UntilShown(tintora, patchColour) >= 0) {
            Pump(300);
            const double held = CpuPercent(process.Handle(), 3000);
            const HWND magnifier = ::FindWindowW(L"TintoraMagnifier", nullptr);
            const bool magnified = magnifier != nullptr && ::IsWindowVisible(magnifier);
            std::vector<double> follow;
            for (int i = 0; i < 11; ++i) {
                const COLORREF next = RGB(40 + 17 * i, 200 - 13 * i, 90 + 7 * i);
                Paint(patch, next);
                follow.push_back(UntilShown(tintora, next));
                Pump(50);
            }
            std::sort(follow.begin(), follow.end());
            // Moves across the patch's two-coloured strip: every move lands on the other colour.
            const auto start = Clock::now();
            int shown = 0;
            for (int i = 0; i < 200; ++i) {
                ::SetCursorPos(kSpot.x + (i % 2 == 0 ? -20 : 20), kSpot.y + 30);
                if (UntilShown(tintora, i % 2 == 0 ? kLeft : kRight) >= 0) ++shown;
            }
            const double rate = shown / (MillisecondsSince(start) / 1000.0);
            std::printf("eyedropper idle (not held): %.1f %% of a core\n", idle);
            std::printf("eyedropper held still, %s: %.1f %% of a core (target at most 10 %%)\n",
                        magnified ? "the magnifier beside it" : "NO MAGNIFIER SHOWN", held);
            std::printf("change under the still pointer to the readout: median %.1f ms, worst %.1f ms "
                        "(one frame: %.1f ms)\n",
                        follow[follow.size() / 2], follow.back(), 1000.0 / refreshRate);
            std::printf(
                "samples shown while the pointer moves: %.0f a second (display: %d frames a second)\n", rate,
                refreshRate);
            status = 0;
        } else {
            std::fputs("wine_bench_sampler: the held eyedropper never showed the patch's colour\n", stderr);
        }
        Button(MOUSEEVENTF_LEFTUP);
    } else {
        std::fputs("wine_bench_sampler: Tintora's window did not appear\n", stderr);
    }
    ::DestroyWindow(patch);
    return status;
}
