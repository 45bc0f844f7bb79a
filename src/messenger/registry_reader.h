// Reads one four-byte registry value. It never fails: whatever cannot be read comes back as 0,
// which the window shows as black.
#pragma once

#include <cstdint>

namespace tintora {

// Both texts end in a NUL; nothing is copied, so a read allocates nothing and cannot throw.
std::int32_t ReadRegistryValue(const char* keyPath, const char* valueName) noexcept;

} // namespace tintora
