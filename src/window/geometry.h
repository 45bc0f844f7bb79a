// Where each control and each frame goes at a density, in window pixels: layout lengths scale to the
// nearest pixel, the arrow's top edge follows the marker.
#pragma once

#include "platform/dpi_scale.h"
#include "window/arrow.h"
#include "window/layout.h"

#include <array>

namespace tintora {

constexpr platform::Edges ControlEdges(const ControlLayout& layout, int dpi, int arrowTop) {
    if (layout.id == imgArrow) {
        const int left = platform::Scale(kArrowLeft, dpi);
        const int top = ArrowTopAt(arrowTop, dpi);
        return platform::Edges{left, top, left + platform::FirstPhysical(kArrowWidth, dpi),
                               top + platform::FirstPhysical(kArrowHeight, dpi)};
    }
    return platform::ScaleEdges(layout.left, layout.top, layout.width, layout.height, dpi);
}

// The room a label's text is drawn in. A right-aligned label keeps its right edge and may take the
// room to its left as far as the strip's arrow, whatever the font.
constexpr platform::Edges LabelEdges(const ControlLayout& layout, int dpi) {
    platform::Edges edges = ControlEdges(layout, dpi, 0);
    if (layout.look & kRightAligned) edges.left = platform::Scale(kArrowLeft + kArrowWidth, dpi);
    return edges;
}

// The four sides of a frame one layout pixel wide (as many window pixels as that scales to): top,
// bottom, left and right.
constexpr std::array<platform::Edges, 4> FrameSides(const FrameLayout& shape, int dpi) {
    const platform::Edges out = platform::ScaleEdges(shape.left, shape.top, shape.width, shape.height, dpi);
    const platform::Edges in =
        platform::ScaleEdges(shape.left + 1, shape.top + 1, shape.width - 2, shape.height - 2, dpi);
    return {platform::Edges{out.left, out.top, out.right, in.top},
            platform::Edges{out.left, in.bottom, out.right, out.bottom},
            platform::Edges{out.left, in.top, in.left, in.bottom},
            platform::Edges{in.right, in.top, out.right, in.bottom}};
}

// A window of that size in the middle of an area, such as the work area of the screen.
constexpr platform::Edges CentredIn(const platform::Edges& area, int width, int height) {
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace tintora
