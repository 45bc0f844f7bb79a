// Registry key paths as text: "ROOT\sub\key". The root name is everything before the first
// backslash and names one of the registry's predefined roots, whole and case-sensitive.
#pragma once

#include <cstdint>
#include <string_view>

namespace tintora {

struct KeyPath {
    std::string_view root;
    std::string_view subKey; // may be empty: the value then lies in the root itself
};

// Split at the first backslash only. A path without one is all root name.
constexpr KeyPath SplitKeyPath(std::string_view path) {
    const std::size_t slash = path.find('\\');
    if (slash == std::string_view::npos) return KeyPath{path, {}};
    return KeyPath{path.substr(0, slash), path.substr(slash + 1)};
}

// The predefined root's handle value (HKEY_CLASSES_ROOT 0x80000000 ...), 0 for any other text.
// Handles are signed 32-bit, as the registry defines them; callers sign-extend them into an HKEY.
constexpr std::int32_t RootKeyFromName(std::string_view name) {
    constexpr std::string_view roots[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",     "HKEY_LOCAL_MACHINE",
                                          "HKEY_USERS",        "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG",
                                          "HKEY_DYN_DATA"};
    for (std::uint32_t i = 0; i < 7; ++i)
        if (name == roots[i]) return static_cast<std::int32_t>(0x80000000u + i);
    return 0;
}

} // namespace tintora
