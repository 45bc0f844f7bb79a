#include "window/control_fonts.h"

#include "platform/dpi_scale.h"
#include "platform/fitted_font.h"
#include "window/text_rooms.h"

namespace tintora {

ControlFonts ControlFonts::Make(int dpi) {
    const ControlTexts texts = ControlTextsAt(dpi, ::GetSystemMetrics(SM_CXEDGE));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const bool known = ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != FALSE;
    const auto faces = FontFaces(known ? metrics.lfMessageFont.lfFaceName : L"MS Shell Dlg");
    const int pixels = platform::Scale(kFontPixels, dpi);
    const int minimum = platform::Scale(kMinimumPixels, dpi);
    ControlFonts fonts;
    const platform::FittedFont chosen = platform::FitFont(faces, pixels, minimum, texts.window);
    fonts.regular_ = platform::MakeFont(chosen, false);
    fonts.bold_ = platform::MakeFont(chosen, true);
    if (!platform::Fits(chosen, texts.hex))
        fonts.hex_ = platform::MakeFont(platform::FitFont(faces, pixels, minimum, texts.hex), false);
    return fonts;
}

HFONT ControlFonts::For(const ControlLayout& layout) const noexcept {
    if (layout.id == txtHexa && hex_ != nullptr) return hex_.get();
    return (layout.look & kBold) ? bold_.get() : regular_.get();
}

} // namespace tintora
