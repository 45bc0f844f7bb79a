// Messenger's "IM Color": the colour in which it shows the user's own messages, a REG_DWORD in the
// user's own part of the registry.
#pragma once

#include "colour/colour_value.h"

namespace tintora {

inline constexpr const char* kMessengerKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger";
inline constexpr const char* kImColorValue = "IM Color";
// The same value named in one path, as the shell object's RegWrite takes it.
inline constexpr const wchar_t* kImColorPath =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger\\IM Color";

// The stored value; 0 (black) where there is none or it cannot be read.
ColourValue ReadImColour() noexcept;
// Stores the colour through the script host's shell object, as a script would, and where that is
// missing or disabled straight through the registry, creating the key. False when neither could.
bool StoreImColour(ColourValue colour) noexcept;

} // namespace tintora
