// Text on the clipboard, as other programs write and read it: Unicode text.
#pragma once

#include "platform/handles.h"

#include <string_view>

namespace tintora::platform {

// Replaces what the clipboard holds with text; false when the clipboard could not be had.
bool CopyText(HWND owner, std::wstring_view text) noexcept;

// The clipboard's text, copied into buffer, which holds size characters: its length, or -1 where the
// clipboard holds no text, could not be had, or holds more than fits.
int PasteText(HWND owner, wchar_t* buffer, int size) noexcept;

} // namespace tintora::platform
