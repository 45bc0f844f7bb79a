#include "messenger/registry_reader.h"

#include "messenger/key_path.h"
#include "platform/handles.h"

namespace modTintora {

std::int32_t ReadRegistryValue(const char* keyPath, const char* valueName) noexcept {
    const KeyPath path = SplitKeyPath(keyPath);
    // Predefined roots are sign-extended to pointer width, as HKEY_CURRENT_USER itself is.
    const HKEY root =
        reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(RootKeyFromName(path.root))));
    // The sub-key is the tail of the key path, so it ends where the path does.
    const char* subKey = path.subKey.empty() ? "" : path.subKey.data();

    HKEY opened = nullptr;
    RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &opened);
    const platform::UniqueRegKey key(opened);

    BYTE data[4] = {0, 0, 0, 0};
    DWORD type = REG_DWORD;
    DWORD size = sizeof data;
    // Longer data answers ERROR_MORE_DATA and leaves the buffer undefined; that, like every other
    // failure, reads as 0.
    if (RegQueryValueExA(key.get(), valueName, nullptr, &type, data, &size) != ERROR_SUCCESS) return 0;
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
        static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24);
}

} // namespace modTintora
