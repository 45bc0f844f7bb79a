// What the display does: how often it shows a new frame.
#pragma once

#include "platform/handles.h"

namespace tintora::platform {

inline constexpr int kDefaultRefreshRate = 60;

// Frames a second of the primary display as the system reports it; 60 where it cannot say.
int RefreshRate() noexcept;

// Keeps a window out of every capture of the screen, its own program's too, where Windows can
// (10 version 2004 on). False where it cannot: the window is then in what the screen shows.
bool ExcludeFromCapture(HWND window) noexcept;

} // namespace tintora::platform
