// Where Messenger keeps the colour of the user's own messages.
#pragma once

namespace modTintora {

inline constexpr const char* kMessengerKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger";
inline constexpr const char* kImColorValue = "IM Color";
// The same value named in one path, as the shell object's RegWrite takes it.
inline constexpr const wchar_t* kImColorPath =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger\\IM Color";

} // namespace modTintora
