// Start-up, Random and Exit: the window's events that do not come from picking.
#include "editor/frm_tintora.h"

#include "editor/marker.h"
#include "editor/random_colour.h"
#include "messenger/im_color.h"
#include "messenger/registry_reader.h"

#include <chrono>

namespace tintora {

// Runs once, inside WM_CREATE, before the window is first shown.
void frmTintora::Form_Load() {
    random_.seed(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
    state_.MarkerPos = kStartMarker;

    // The Current swatch shows the stored value as the strip reads it, so Current and New agree
    // even for a value with its top byte set.
    using modTintora::kImColorValue;
    using modTintora::kMessengerKey;
    Box(picCurrent)
        .SetBackColor(DisplayedColour(modTintora::ReadRegistryValue(kMessengerKey, kImColorValue)));
    SetBaseColor(modTintora::ReadRegistryValue(kMessengerKey, kImColorValue));
    RefreshReadouts();
}

// Alt+R or a click on Random.
void frmTintora::cmdRandom_Click() {
    state_.MarkerPos = kStartMarker;
    const float r1 = DrawUnit(random_);
    const float r2 = DrawUnit(random_);
    const float r3 = DrawUnit(random_);
    SetBaseColor(RandomColour(r1, r2, r3));
}

// Alt+X, Exit, the close box and Alt+F4 all end here. Nothing is saved on the way out.
void frmTintora::cmdClose_Click() {
    pointer_ = Pointer::Default; // a sampling loop still running ends at its next test
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

} // namespace tintora
