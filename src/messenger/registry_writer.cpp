#include "messenger/registry_writer.h"

#include "messenger/key_path.h"
#include "platform/handles.h"

namespace modTintora {

bool WriteRegistryDword(const char* keyPath, const char* valueName, std::int32_t value) noexcept {
    const KeyPath path = SplitKeyPath(keyPath);
    const std::int32_t rootValue = RootKeyFromName(path.root);
    if (rootValue == 0) return false;
    const HKEY root = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(rootValue)));
    // The sub-key is the tail of the key path, so it ends where the path does.
    const char* subKey = path.subKey.empty() ? "" : path.subKey.data();
    HKEY created = nullptr;
    if (::RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &created,
                          nullptr) != ERROR_SUCCESS)
        return false;
    const platform::UniqueRegKey key(created);
    const DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExA(key.get(), valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof data) == ERROR_SUCCESS;
}

} // namespace modTintora
