// The marker: which strip row is chosen, and where the arrow beside the strip stands for it.
// MarkerPos holds the row counted from the strip's top. 75 is the first row of band 15, the base
// colour, so start-up, Random and the eyedropper choose the base colour itself.
#pragma once

#include "editor/layout.h"
#include "editor/strip_bands.h"
#include "platform/dpi_scale.h"

namespace tintora {

inline constexpr int kStartMarker = 75;

// The arrow's tip is on its fifth row, so its top edge is four rows above the marked row.
constexpr int ArrowTopFor(int markerPos) { return kStripTop + markerPos - kArrowTipRow; }

// The arrow's top edge in window pixels at a density, for its top edge in layout pixels. The strip
// and the arrow are enlarged alike, so a marked row and the arrow's tip each cover one or more
// screen rows: the middle of the tip goes beside the middle of the row.
constexpr int ArrowTopAt(int top, int dpi) {
    const int row = top - kStripTop + kArrowTipRow;
    return platform::Scale(kStripTop, dpi) + platform::MiddlePhysical(row, dpi) -
           platform::MiddlePhysical(kArrowTipRow, dpi);
}

// A hold below the strip marks row 171, one past its end; the chosen colour is then read from the
// nearest row that exists rather than from outside the strip.
constexpr int StripRowFor(int markerPos) {
    return markerPos < 0 ? 0 : markerPos >= kStripRows ? kStripRows - 1 : markerPos;
}

} // namespace tintora
