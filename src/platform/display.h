// What the display does: how often it shows a new frame.
#pragma once

namespace tintora::platform {

inline constexpr int kDefaultRefreshRate = 60;

// Frames a second of the primary display as the system reports it; 60 where it cannot say.
int RefreshRate() noexcept;

} // namespace tintora::platform
