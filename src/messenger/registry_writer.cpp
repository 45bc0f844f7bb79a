#include "messenger/registry_writer.h"

#include "messenger/registry_root.h"

namespace tintora {

bool WriteRegistryDword(const char* keyPath, const char* valueName, std::int32_t value) noexcept {
    const KeyPath path = SplitKeyPath(keyPath);
    const HKEY root = RootKeyHandle(path.root);
    HKEY created = nullptr;
    if (root == nullptr || ::RegCreateKeyExA(root, SubKeyOf(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return false;
    const platform::UniqueRegKey key(created);
    const DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExA(key.get(), valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof data) == ERROR_SUCCESS;
}

} // namespace tintora
