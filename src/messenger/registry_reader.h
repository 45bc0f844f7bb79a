// Reads one four-byte registry value. It never fails: whatever cannot be read comes back as 0,
// which the window shows as black.
#pragma once

#include <cstdint>
#include <string_view>

namespace modTintora {

std::int32_t ReadRegistryValue(std::string_view keyPath, std::string_view valueName);

} // namespace modTintora
