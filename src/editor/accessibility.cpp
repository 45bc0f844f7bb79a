// What screen readers hear: every picture box and readout has a name, the swatches say their colour
// as the hex text with the other readouts as description, and the palette and the strip, whose keys
// choose the New colour, say that colour too. Buttons and labels speak their own captions. A pick
// that changes the New colour is announced once, when it is complete: after a key, at the end of a
// drag or of sampling, after a button.
#include "editor/frm_tintora.h"

#include "editor/spoken_texts.h"

namespace tintora {
namespace {

bool Copy(const wchar_t* from, wchar_t* text, int size) {
    if (from == nullptr) return false;
    ::lstrcpynW(text, from, size);
    return true;
}

} // namespace

void frmTintora::MakeControlsAccessible() {
    for (const ControlLayout& layout : kControls)
        if (SpokenNameOf(layout.id) != nullptr) platform::MakeAccessible(Control(layout.id), *this);
    announced_ = Box(picChosenColor).BackColor();
}

bool frmTintora::AccessibleText(int controlId, platform::AccessibleField field, wchar_t* text,
                                int size) noexcept {
    const auto id = static_cast<ControlId>(controlId);
    if (field == platform::AccessibleField::Name) return Copy(SpokenNameOf(id), text, size);
    const bool showsChosen = id == picChosenColor || id == picColors || id == picGradient;
    if (!showsChosen && id != picCurrent) return false;
    const auto colour = static_cast<ColourValue>(Box(showsChosen ? picChosenColor : picCurrent).BackColor());
    const SpokenText spoken =
        field == platform::AccessibleField::Value ? SpokenValueOf(colour) : SpokenDescriptionOf(colour);
    return Copy(spoken.data(), text, size);
}

// Screen readers speak value changes of the focused control, so a palette or strip in focus tells
// of the new colour as well as the New swatch.
void frmTintora::AnnounceChosenColour() {
    const COLORREF chosen = Box(picChosenColor).BackColor();
    if (chosen == announced_) return;
    announced_ = chosen;
    platform::AnnounceValueChange(Control(picChosenColor));
    const HWND focused = ::GetFocus();
    if (focused == Control(picColors) || focused == Control(picGradient))
        platform::AnnounceValueChange(focused);
}

} // namespace tintora
