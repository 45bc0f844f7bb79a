// The virtual-key codes the program reacts to, as the fixed numbers Windows gives them, so that what
// a key does can be decided and tested without a window.
#pragma once

namespace tintora::platform {

enum VirtualKey : int {
    kKeyTab = 0x09,
    kKeyEscape = 0x1B,
    kKeyPageUp = 0x21,
    kKeyPageDown = 0x22,
    kKeyEnd = 0x23,
    kKeyHome = 0x24,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyAlt = 0x12,
};

// Keys that move the focus or a pick: from the first of them on, focus cues show.
constexpr bool IsNavigationKey(int key) { return key == kKeyTab || (key >= kKeyPageUp && key <= kKeyDown); }

} // namespace tintora::platform
