// Start-up: from launching tintora.exe to its window shown with the readouts filled, against a bare
// Win32 window program (this program itself, run with --bare) started the same way in the same run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kBareClass = L"TintoraBareWindow";
constexpr int kRuns = 7;

int RunBareWindow(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kBareClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    ::RegisterClassW(&windowClass);
    const HWND window = ::CreateWindowExW(0, kBareClass, L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                          296, 300, nullptr, nullptr, instance, nullptr);
    MSG message{};
    while (::IsWindow(window) && ::GetMessageW(&message, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&message);
    return 0;
}

bool Ready(const wchar_t* windowClass, bool tintora) {
    const HWND window = ::FindWindowW(windowClass, nullptr);
    if (window == nullptr || !::IsWindowVisible(window)) return false;
    if (!tintora) return true;
    wchar_t hue[8] = L"";
    ::SendMessageW(::GetDlgItem(window, 1004), WM_GETTEXT, 8, reinterpret_cast<LPARAM>(hue)); // txtHue
    return hue[0] != L'\0';
}

// Milliseconds from CreateProcess to the window being ready; the program is closed afterwards.
double Launch(std::wstring commandLine, const wchar_t* windowClass, bool tintora) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return -1.0;
    while (!Ready(windowClass, tintora)) {
        if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::PostMessageW(::FindWindowW(windowClass, nullptr), WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return ms;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wstring(argv[1]) == L"--bare") return RunBareWindow(::GetModuleHandleW(nullptr));
    if (argc < 2) {
        std::fputs("usage: wine_bench_startup TINTORA.EXE\n", stderr);
        return 2;
    }
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring bare = L"\"" + std::wstring(self) + L"\" --bare";
    const std::wstring tintora = L"\"" + std::wstring(argv[1]) + L"\"";
    Launch(bare, kBareClass, false); // warm both up: the first start pays for loading Wine's DLLs
    Launch(tintora, L"TintoraWindow", true);
    std::vector<double> bareTimes, tintoraTimes;
    for (int run = 0; run < kRuns; ++run) {
        bareTimes.push_back(Launch(bare, kBareClass, false));
        tintoraTimes.push_back(Launch(tintora, L"TintoraWindow", true));
    }
    const double bareMs = Median(bareTimes), tintoraMs = Median(tintoraTimes);
    std::printf("start-up, launch to window shown (median of %d): bare window %.1f ms, Tintora %.1f ms, "
                "ratio %.2f (target at most 1.3)\n",
                kRuns, bareMs, tintoraMs, tintoraMs / bareMs);
    return 0;
}
