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

} // namespace tintora::platform
