// Strip picking: the marker follows the pointer's row and the chosen colour is the strip's colour
// there. Beyond the strip's top or bottom the marker and arrow hold at that edge and the chosen colour
// keeps the last row picked. The strip itself is never redrawn here.
#include "editor/frm_tintora.h"

#include "editor/marker.h"
#include "picking/pick_rules.h"

namespace tintora {

void frmTintora::StripPick(float y) {
    state_.MarkerPos = StripRowAt(y);
    // A row that rounds to just past the strip has no colour: the chosen colour stays and the rest of
    // the pick goes on.
    const COLORREF colour = Box(picGradient).ReadPixel(0, state_.MarkerPos);
    if (colour != CLR_INVALID) Box(picChosenColor).SetBackColor(colour);
    RefreshReadouts();
}

void frmTintora::HoldMarker(int row) {
    state_.MarkerPos = row;
    MoveArrow(ArrowTopFor(row));
}

// Any button pressed over the strip.
void frmTintora::picGradient_MouseDown(int, int, float, float y) { StripPick(y); }

// The pointer moved over the strip, or anywhere while a button pressed on it is held.
void frmTintora::picGradient_MouseMove(int button, int, float, float y) {
    const float height = static_cast<float>(Box(picGradient).ScaleHeight());
    switch (StripMoveAction(button, y, height)) {
    case StripAction::HoldTop: HoldMarker(0); break;
    case StripAction::HoldBottom: HoldMarker(static_cast<int>(height)); break;
    case StripAction::Pick: StripPick(y); break;
    case StripAction::Nothing: break;
    }
}

// A button pressed on the strip is let go, wherever the pointer is.
void frmTintora::picGradient_MouseUp(int, int, float, float y) {
    if (StripReleaseAction(y, static_cast<float>(Box(picGradient).ScaleHeight())) == StripAction::Pick)
        StripPick(y);
}

} // namespace tintora
