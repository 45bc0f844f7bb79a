#include "window/accessibility.h"

#include "model/spoken_texts.h"
#include "window/spoken_colours.h"

namespace tintora {
namespace {

bool Copy(const wchar_t* from, wchar_t* text, int size) {
    if (from == nullptr) return false;
    ::lstrcpynW(text, from, size);
    return true;
}

} // namespace

void SpokenControls::Attach() noexcept {
    for (const ControlLayout& layout : kControls) {
        if (SpokenNameOf(layout.id) == nullptr || controls_.Control(layout.id) == nullptr) continue;
        if (layout.kind == ControlKind::PictureBox)
            controls_.Box(layout.id).MakeAccessible(*this);
        else
            platform::MakeAccessible(controls_.Control(layout.id), *this);
    }
    announced_ = model_.Chosen();
}

bool SpokenControls::AccessibleText(int controlId, platform::AccessibleField field, wchar_t* text,
                                    int size) noexcept {
    const auto id = static_cast<ControlId>(controlId);
    if (field == platform::AccessibleField::Name) return Copy(SpokenNameOf(id), text, size);
    const std::optional<ColourValue> colour = SpokenColourOf(id, model_);
    if (!colour) return false;
    const SpokenText spoken =
        field == platform::AccessibleField::Value ? SpokenValueOf(*colour) : SpokenDescriptionOf(*colour);
    return Copy(spoken.data(), text, size);
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
