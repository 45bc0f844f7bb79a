#include "platform/display.h"

#include "platform/handles.h"

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
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    const auto setAffinity = user32 == nullptr
                                 ? nullptr
                                 : reinterpret_cast<SetAffinityFunction>(reinterpret_cast<void (*)()>(
                                       ::GetProcAddress(user32, "SetWindowDisplayAffinity")));
    return setAffinity != nullptr && setAffinity(window, kExcludeFromCapture);
}

} // namespace tintora::platform
