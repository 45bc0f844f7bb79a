#include "messenger/registry_reader.h"

#include "messenger/registry_root.h"

namespace tintora {

std::int32_t ReadRegistryValue(const char* keyPath, const char* valueName) noexcept {
    const KeyPath path = SplitKeyPath(keyPath);
    const HKEY root = RootKeyHandle(path.root);
    HKEY opened = nullptr;
    if (root == nullptr ||
        ::RegOpenKeyExA(root, SubKeyOf(path), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return 0;
    const platform::UniqueRegKey key(opened);

    BYTE data[4] = {0, 0, 0, 0};
    DWORD type = REG_DWORD;
    DWORD size = sizeof data;
    // Longer data answers ERROR_MORE_DATA and leaves the buffer undefined; that, like every other
    // failure, reads as 0.
    if (::RegQueryValueExA(key.get(), valueName, nullptr, &type, data, &size) != ERROR_SUCCESS) return 0;
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
        static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24);
}

} // namespace tintora
