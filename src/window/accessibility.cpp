#include "window/accessibility.h"

#include "platform/accessible.h"

namespace tintora {

void SpokenControls::Attach() noexcept {
    for (const ControlLayout& layout : kControls) {
        if (SpokenNameOf(layout.id) == nullptr || controls_.Control(layout.id) == nullptr) continue;
        if (layout.kind == ControlKind::PictureBox)
            controls_.Box(layout.id).MakeAccessible(source_);
        else
            platform::MakeAccessible(controls_.Control(layout.id), source_);
    }
    announced_ = model_.Chosen();
}

// Screen readers speak value changes of the focused control, so a palette or strip in focus tells
// of the new colour as well as the New swatch.
void SpokenControls::AnnounceChosen() noexcept {
    if (model_.Chosen() == announced_) return;
    announced_ = model_.Chosen();
    platform::AnnounceValueChange(controls_.Control(picChosenColor));
    const HWND focused = ::GetFocus();
    if (focused == controls_.Control(picColors) || focused == controls_.Control(picGradient))
        platform::AnnounceValueChange(focused);
}

} // namespace tintora
