// Start-up: from launching a program to its window shown, for Tintora (with its readouts filled), a
// bare Win32 window, and the platform's own colour dialog (ChooseColorW, fully open, common controls
// 6), the last two being this program itself run with --bare or --dialog. The three are launched
// in turn, round after round, and each figure is the median of its launches.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kBareClass = L"StartupBenchBareWindow";
constexpr int kRuns = 9;

// A window of the default class procedure and the dialog colour, made as the style says.
HWND MakeBareWindow(HINSTANCE instance, DWORD exStyle, const wchar_t* title, DWORD style) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kBareClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(exStyle, kBareClass, title, style, 100, 100, 296, 300, nullptr, nullptr,
                             instance, nullptr);
}

int RunUntilClosed(HWND window) {
    MSG message{};
    while (::IsWindow(window) && ::GetMessageW(&message, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&message);
    return 0;
}

// A function of a library loaded now rather than imported, so that the other runs load nothing of it.
template <typename Function> Function LoadFunction(const wchar_t* library, const char* name) {
    const HMODULE module = ::LoadLibraryW(library);
    const FARPROC found = module != nullptr ? ::GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

int RunBareWindow(HINSTANCE instance) {
    return RunUntilClosed(MakeBareWindow(instance, 0, L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
}

// The floor of Tintora's own controls: a bare window with common controls 6, seven edit boxes and
// three buttons, ready once the first box (Tintora's hue readout id) shows its text.
int RunControlsFloor(HINSTANCE instance) {
    const auto initCommonControls =
        LoadFunction<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(L"comctl32.dll", "InitCommonControlsEx");
    if (initCommonControls == nullptr) return 1;
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    initCommonControls(&controls);
    const HWND window = MakeBareWindow(instance, WS_EX_CONTROLPARENT, L"Floor", WS_OVERLAPPEDWINDOW);
    const auto font = reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT));
    for (int box = 0; box < 7; ++box) {
        const HWND edit = ::CreateWindowExW(
            WS_EX_CLIENTEDGE, L"EDIT", L"13", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 240, 40 + 24 * box, 32, 20,
            window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1004 + box)), instance, nullptr);
        ::SendMessageW(edit, WM_SETFONT, font, FALSE);
    }
    for (int button = 0; button < 3; ++button) {
        const HWND made = ::CreateWindowExW(0, L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 200,
                                            210 + 26 * button, 80, 24, window, nullptr, instance, nullptr);
        ::SendMessageW(made, WM_SETFONT, font, FALSE);
    }
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    return RunUntilClosed(window);
}

int RunColourDialog() {
    const auto chooseColour = LoadFunction<BOOL(WINAPI*)(CHOOSECOLORW*)>(L"comdlg32.dll", "ChooseColorW");
    if (chooseColour == nullptr) return 1;
    COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.rgbResult = RGB(200, 100, 50);
    choose.lpCustColors = custom;
    choose.Flags = CC_FULLOPEN | CC_RGBINIT;
    chooseColour(&choose);
    return 0;
}

struct Search {
    DWORD process;
    bool tintora;
    bool ready;
};

// A visible top-level window of the process; for Tintora, with its hue readout filled.
BOOL CALLBACK FindReady(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !::IsWindowVisible(window)) return TRUE;
    if (search->tintora) {
        wchar_t hue[8] = L"";
        ::SendMessageW(::GetDlgItem(window, 1004), WM_GETTEXT, 8, reinterpret_cast<LPARAM>(hue)); // txtHue
        if (hue[0] == L'\0') return TRUE;
    }
    search->ready = true;
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    return FALSE;
}

// Milliseconds from CreateProcess to the window being ready; the program is closed afterwards.
double Launch(std::wstring commandLine, bool tintora) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return -1.0;
    Search search{process.dwProcessId, tintora, false};
    while (!search.ready) {
        ::EnumWindows(&FindReady, reinterpret_cast<LPARAM>(&search));
        if (!search.ready && ::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return search.ready ? ms : -1.0;
}

struct Figures {
    double median;
    double low;
    double high;
};

Figures Spread(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return Figures{values[values.size() / 2], values.front(), values.back()};
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wstring(argv[1]) == L"--bare") return RunBareWindow(::GetModuleHandleW(nullptr));
    if (argc > 1 && std::wstring(argv[1]) == L"--dialog") return RunColourDialog();
    if (argc > 1 && std::wstring(argv[1]) == L"--floor") return RunControlsFloor(::GetModuleHandleW(nullptr));
    if (argc < 2) {
        std::fputs("usage: wine_bench_startup TINTORA.EXE\n", stderr);
        return 2;
    }
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring bare = L"\"" + std::wstring(self) + L"\" --bare";
    const std::wstring floor = L"\"" + std::wstring(self) + L"\" --floor";
    const std::wstring dialog = L"\"" + std::wstring(self) + L"\" --dialog";
    const std::wstring tintora = L"\"" + std::wstring(argv[1]) + L"\"";
    // Warm all up: the first start pays for loading Wine's libraries.
    Launch(bare, false);
    Launch(floor, true);
    Launch(dialog, false);
    Launch(tintora, true);
    std::vector<double> bareTimes, floorTimes, dialogTimes, tintoraTimes;
    for (int run = 0; run < kRuns; ++run) {
        bareTimes.push_back(Launch(bare, false));
        floorTimes.push_back(Launch(floor, true));
        dialogTimes.push_back(Launch(dialog, false));
        tintoraTimes.push_back(Launch(tintora, true));
    }
    for (const auto* times : {&bareTimes, &floorTimes, &dialogTimes, &tintoraTimes}) {
        if (*std::min_element(times->begin(), times->end()) < 0) {
            std::fputs("wine_bench_startup: a program's window did not appear\n", stderr);
            return 1;
        }
    }
    const Figures b = Spread(bareTimes), f = Spread(floorTimes), d = Spread(dialogTimes),
                  t = Spread(tintoraTimes);
    std::printf("start-up to the window shown, median of %d (lowest-highest):\n", kRuns);
    std::printf("  bare window            %6.1f ms (%.1f-%.1f)\n", b.median, b.low, b.high);
    std::printf("  7 edit boxes, 3 buttons %5.1f ms (%.1f-%.1f), filled\n", f.median, f.low, f.high);
    std::printf("  colour dialog          %6.1f ms (%.1f-%.1f)\n", d.median, d.low, d.high);
    std::printf("  Tintora, readouts full %6.1f ms (%.1f-%.1f)\n", t.median, t.low, t.high);
    std::printf("  Tintora / bare window  %.2f (target at most 1.25)\n", t.median / b.median);
    std::printf("  boxes and buttons / bare window %.2f (the floor of Tintora's own controls)\n",
                f.median / b.median);
    std::printf("  Tintora / colour dialog %.2f (target at most 1.0)\n", t.median / d.median);
    return 0;
}
