// Palette picking: a press, a drag with any button held, and the release each take the palette pixel
// under the pointer as the new base colour. The marker stays, so the chosen colour is the new strip's
// colour at the same row.
#include "editor/frm_tintora.h"

#include "picking/pick_rules.h"

namespace tintora {

void frmTintora::PalettePick(float x, float y) {
    const platform::PictureBox& palette = Box(picColors);
    if (!InsideArea(x, y, static_cast<float>(palette.ScaleWidth()),
                    static_cast<float>(palette.ScaleHeight())))
        return;
    FollowPalettePick(static_cast<int>(x), static_cast<int>(y));
    // The picture in memory, not the screen: whatever is drawn over the palette never leaks into a pick.
    SetBaseColor(palette_->At(static_cast<int>(x), static_cast<int>(y)));
    RefreshReadouts();
}

// Any button pressed over the palette.
void frmTintora::picColors_MouseDown(int, int, float x, float y) { PalettePick(x, y); }

// The pointer moved over the palette, or anywhere while a button pressed on it is held.
void frmTintora::picColors_MouseMove(int button, int, float x, float y) {
    if (PaletteMovePicks(button)) PalettePick(x, y);
}

// A button pressed on the palette is let go, wherever the pointer is.
void frmTintora::picColors_MouseUp(int, int, float x, float y) { PalettePick(x, y); }

} // namespace tintora
