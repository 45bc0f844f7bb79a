#include "platform/dpi.h"

#include "platform/dpi_scale.h"
#include "platform/system_library.h"

namespace tintora::platform {
namespace {

using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

} // namespace

int SystemDpi() noexcept {
    static const auto forSystem = NewerFunction<GetDpiForSystemFunction>(L"user32.dll", "GetDpiForSystem");
    if (forSystem != nullptr) return static_cast<int>(forSystem());
    const UniqueWindowDc screen = GetWindowDc(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window) noexcept {
    static const auto forWindow = NewerFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    const int dpi = forWindow != nullptr ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

int MonitorDpi(HMONITOR monitor) noexcept {
    // shcore.dll comes with Windows 8.1.
    static const auto forMonitor = NewerFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
    if (forMonitor != nullptr && monitor != nullptr &&
        SUCCEEDED(forMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

SIZE FrameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) noexcept {
    static const auto adjust =
        NewerFunction<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    // Without the per-density call the frame is measured at the system's density, which is where
    // such a Windows draws it.
    if (adjust == nullptr || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace tintora::platform
