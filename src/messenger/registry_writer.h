// Writing a REG_DWORD straight through the registry API, creating the key when it is missing.
// Save's stand-in where the script host is missing or disabled.
#pragma once

#include <cstdint>
#include <string_view>

namespace modTintora {

bool WriteRegistryDword(std::string_view keyPath, std::string_view valueName, std::int32_t value);

} // namespace modTintora
