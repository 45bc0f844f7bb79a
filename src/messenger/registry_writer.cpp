#include "messenger/registry_writer.h"

#include "messenger/key_path.h"
#include "platform/handles.h"

#include <string>

namespace modTintora {

bool WriteRegistryDword(std::string_view keyPath, std::string_view valueName, std::int32_t value) {
    const KeyPath path = SplitKeyPath(keyPath);
    const std::int32_t rootValue = RootKeyFromName(path.root);
    if (rootValue == 0) return false;
    const HKEY root = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(rootValue)));
    const std::string subKey(path.subKey);
    const std::string name(valueName);
    HKEY created = nullptr;
    if (::RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                          &created, nullptr) != ERROR_SUCCESS)
        return false;
    const platform::UniqueRegKey key(created);
    const DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof data) == ERROR_SUCCESS;
}

} // namespace modTintora
