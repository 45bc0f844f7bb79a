// The handle of a predefined registry root, from its name.
#pragma once

#include "messenger/key_path.h"
#include "platform/handles.h"

namespace tintora {

// nullptr for a name that is no root. Predefined roots are sign-extended to pointer width, as
// HKEY_CURRENT_USER itself is.
inline HKEY RootKeyHandle(std::string_view name) noexcept {
    const std::int32_t value = RootKeyFromName(name);
    return value == 0 ? nullptr : reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(value)));
}

// The sub-key is the tail of the key path, so it ends where the path does.
inline const char* SubKeyOf(const KeyPath& path) noexcept {
    return path.subKey.empty() ? "" : path.subKey.data();
}

} // namespace tintora
