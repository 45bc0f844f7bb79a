// Where the arrow beside the strip stands for the marked row, in layout pixels and at a density.
#pragma once

#include "platform/dpi_scale.h"
#include "window/layout.h"

namespace tintora {

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

} // namespace tintora
