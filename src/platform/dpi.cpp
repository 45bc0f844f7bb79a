#include "platform/dpi.h"

#include "platform/dpi_scale.h"

namespace tintora::platform {
namespace {

// A user32 function that older Windows lacks, or nullptr. (The detour through void (*)() is the
// cast compilers accept between function pointer types.)
template <typename Function> Function User32Function(const char* name) noexcept {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(user32, name)));
}

using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

} // namespace

int SystemDpi() noexcept {
    static const auto forSystem = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
    if (forSystem != nullptr) return static_cast<int>(forSystem());
    const UniqueWindowDc screen = GetWindowDc(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window) noexcept {
    static const auto forWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = forWindow != nullptr ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

int MonitorDpi(HMONITOR monitor) noexcept {
    // shcore.dll comes with Windows 8.1; loaded once and kept, as the program uses it to its end.
    static const auto forMonitor = [] {
        const HMODULE shcore = ::LoadLibraryW(L"shcore.dll");
        return shcore == nullptr ? nullptr
                                 : reinterpret_cast<GetDpiForMonitorFunction>(reinterpret_cast<void (*)()>(
                                       ::GetProcAddress(shcore, "GetDpiForMonitor")));
    }();
    UINT x = 0, y = 0;
    constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
    if (forMonitor != nullptr && monitor != nullptr &&
        SUCCEEDED(forMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

SIZE FrameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) noexcept {
    static const auto adjust = User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    // Without the per-density call the frame is measured at the system's density, which is where
    // such a Windows draws it.
    if (adjust == nullptr || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace tintora::platform
