// Writing a REG_DWORD straight through the registry API, creating the key when it is missing.
// Save's stand-in where the script host is missing or disabled.
#pragma once

#include <cstdint>

namespace tintora {

bool WriteRegistryDword(const char* keyPath, const char* valueName, std::int32_t value) noexcept;

} // namespace tintora
