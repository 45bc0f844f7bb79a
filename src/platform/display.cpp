#include "platform/display.h"

#include "platform/system_library.h"

namespace tintora::platform {

int RefreshRate() noexcept {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    // 0 and 1 stand for the hardware's default rate, which the system does not name.
    if (::EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1)
        return static_cast<int>(mode.dmDisplayFrequency);
    return kDefaultRefreshRate;
}

bool ExcludeFromCapture(HWND window) noexcept {
    using SetAffinityFunction = BOOL(WINAPI*)(HWND, DWORD);
    constexpr DWORD kExcludeFromCapture = 0x11; // WDA_EXCLUDEFROMCAPTURE, which older headers lack
    // Windows 10 2004 on; older ones show the window in screen reads.
    static const auto setAffinity =
        NewerFunction<SetAffinityFunction>(L"user32.dll", "SetWindowDisplayAffinity");
    return setAffinity != nullptr && setAffinity(window, kExcludeFromCapture);
}

} // namespace tintora::platform
