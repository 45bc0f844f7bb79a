#include "window/control_fonts.h"

#include "platform/dpi_scale.h"
#include "platform/fitted_font.h"

#include <vector>

namespace tintora {
namespace {

constexpr int kFontPixels = 11;   // 8.25 points at 96 dpi
constexpr int kMinimumPixels = 9; // about 7 points: smaller is hard to read

// What a control shows at its widest and the room it has for it at the density. Readouts show
// 0-240 (hue, saturation, luminance), 0-255 (the channels) or six hex digits, with no margins.
platform::TextRoom RoomOf(const ControlLayout& layout, int dpi) {
    const platform::Edges edges =
        platform::ScaleEdges(layout.left, layout.top, layout.width, layout.height, dpi);
    platform::TextRoom room;
    room.text = layout.text;
    room.width = edges.right - edges.left;
    room.height = edges.bottom - edges.top;
    room.bold = (layout.look & kBold) != 0;
    switch (layout.kind) {
    case ControlKind::TextBox: {
        const int edge = ::GetSystemMetrics(SM_CXEDGE); // the client edge
        room.width -= 2 * edge;
        room.height -= 2 * edge;
        room.base = layout.id == txtHexa ? 16 : 10;
        room.largest = layout.id == txtHexa ? 0xFFFFFF : layout.id <= txtLum ? 240 : 255;
        room.digits = layout.id == txtHexa ? 6 : 1;
        break;
    }
    case ControlKind::Button: {
        // Inside the button's edge and its focus rectangle; '&' marks the access key.
        const int inset = ::GetSystemMetrics(SM_CXEDGE) + 1;
        room.width -= 2 * inset;
        room.height -= 2 * inset;
        room.format = 0;
        break;
    }
    case ControlKind::Label:
        // A label sized to its text may grow to the left as far as the strip's arrow.
        if (layout.look & kRightAligned)
            room.width = edges.right - platform::Scale(kArrowLeft + kArrowWidth, dpi);
        break;
    default: break;
    }
    return room;
}

} // namespace

ControlFonts ControlFonts::Make(int dpi) {
    // The hex readout's letters are wider than digits: MS Sans Serif does not fit six of the widest
    // in its box, so that one readout takes a font of its own rather than the window another face.
    std::vector<platform::TextRoom> window, hex;
    for (const ControlLayout& layout : kControls) {
        if (layout.kind != ControlKind::Label && layout.kind != ControlKind::TextBox &&
            layout.kind != ControlKind::Button)
            continue;
        (layout.id == txtHexa ? hex : window).push_back(RoomOf(layout, dpi));
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const bool known = ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != FALSE;
    // MS Sans Serif is a bitmap font with a few sizes only; at a density where it has none near the
    // size, its outline twin takes its place, then Tahoma and the dialog font. Whatever the mapper
    // gives for the dialog font comes next, then narrower faces, before any smaller size.
    const std::wstring dialog = known ? metrics.lfMessageFont.lfFaceName : L"MS Shell Dlg";
    const platform::WantedFace faces[] = {
        {L"MS Sans Serif"},
        {L"Microsoft Sans Serif"},
        {L"Tahoma"},
        {dialog},
        {dialog, false},
        {L"Arial Narrow"},
        {L"Liberation Sans Narrow"},
        {L"DejaVu Sans Condensed"},
    };
    const int pixels = platform::Scale(kFontPixels, dpi);
    const int minimum = platform::Scale(kMinimumPixels, dpi);
    ControlFonts fonts;
    const platform::FittedFont chosen = platform::FitFont(faces, pixels, minimum, window);
    fonts.regular_ = platform::MakeFont(chosen, false);
    fonts.bold_ = platform::MakeFont(chosen, true);
    if (!platform::Fits(chosen, hex))
        fonts.hex_ = platform::MakeFont(platform::FitFont(faces, pixels, minimum, hex), false);
    return fonts;
}

HFONT ControlFonts::For(const ControlLayout& layout) const noexcept {
    if (layout.id == txtHexa && hex_ != nullptr) return hex_.get();
    return (layout.look & kBold) ? bold_.get() : regular_.get();
}

} // namespace tintora
