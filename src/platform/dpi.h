// The screen density, asked of Windows in the way each version knows: per window from Windows 10
// on, for the whole screen before. What older Windows lacks is looked up when the program runs, so
// it still starts there.
#pragma once

#include "platform/handles.h"

namespace tintora::platform {

// Dots per inch of the screen as the system sees it (of the primary monitor at sign-in).
int SystemDpi() noexcept;
// Dots per inch of the monitor the window is on; the system's where Windows cannot tell.
int WindowDpi(HWND window) noexcept;
// Dots per inch of a monitor; the system's where Windows cannot tell (before 8.1).
int MonitorDpi(HMONITOR monitor) noexcept;
// The size of a window with that style around a client area of that size, at that density.
SIZE FrameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) noexcept;

} // namespace tintora::platform
