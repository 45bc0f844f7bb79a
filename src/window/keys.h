// Which pick a key on the palette, the strip or the held eyedropper makes.
#pragma once

#include "model/key_rules.h"
#include "platform/virtual_keys.h"

#include <optional>

namespace tintora {

constexpr std::optional<PickKey> PickKeyOf(int virtualKey) {
    switch (virtualKey) {
    case platform::kKeyLeft: return PickKey::Left;
    case platform::kKeyRight: return PickKey::Right;
    case platform::kKeyUp: return PickKey::Up;
    case platform::kKeyDown: return PickKey::Down;
    case platform::kKeyHome: return PickKey::Home;
    case platform::kKeyEnd: return PickKey::End;
    case platform::kKeyPageUp: return PickKey::PageUp;
    case platform::kKeyPageDown: return PickKey::PageDown;
    default: return std::nullopt;
    }
}

} // namespace tintora
