// The pictures the window carries, loaded from the program's resources at the window's density: the
// eyedropper cursor (twice, one copy for the sampler box and one kept aside to give it back) and the
// marker arrow.
#pragma once

#include "platform/handles.h"

namespace tintora {

class Pictures {
public:
    bool Load(HINSTANCE instance, int dpi);
    HICON Eyedropper() const noexcept { return eyedropper_.get(); }
    HICON EyedropperCopy() const noexcept { return eyedropperCopy_.get(); }
    HICON Arrow() const noexcept { return arrow_.get(); }

private:
    platform::UniqueIcon eyedropper_;
    platform::UniqueIcon eyedropperCopy_;
    platform::UniqueIcon arrow_;
};

// The window icon at the large or the small system size. Shared: never destroyed.
HICON LoadWindowIcon(HINSTANCE instance, bool large);
// The window icon at the large or the small size for a density, the window's own.
platform::UniqueIcon LoadWindowIconAt(HINSTANCE instance, bool large, int dpi);

} // namespace tintora
