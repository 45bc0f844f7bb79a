// SetBaseColor and RefreshReadouts: every change of colour ends here. Both run once per mouse move
// during a drag, so they paint straight into retained surfaces, allocate nothing, and repaint only
// what changed. The arrow and the readout boxes are windows, and moving or rewriting one costs more
// than a whole pick; they take the new state once per batch of messages (PresentReadouts).
#include "editor/frm_tintora.h"

#include "editor/marker.h"

namespace tintora {
namespace {

constexpr std::array<ControlId, kReadoutCount> kReadoutBoxes{txtHue,   txtSat,  txtLum, txtRed,
                                                             txtGreen, txtBlue, txtHexa};

} // namespace

void frmTintora::SetBaseColor(ColourValue colour) {
    const Channels base = ChannelsOf(colour);
    const ChannelSteps tint = TintSteps(base);
    const ChannelSteps shade = ShadeSteps(base);
    state_.BaseRed = base.red;
    state_.BaseGreen = base.green;
    state_.BaseBlue = base.blue;
    state_.TintStepRed = tint.red;
    state_.TintStepGreen = tint.green;
    state_.TintStepBlue = tint.blue;
    state_.ShadeStepRed = shade.red;
    state_.ShadeStepGreen = shade.green;
    state_.ShadeStepBlue = shade.blue;

    platform::PictureBox& strip = Box(picGradient);
    const BandColours bands = ComputeBands(base, tint, shade);
    // Painting the same bands again would change no pixel: a drag within one palette colour leaves
    // the strip alone.
    if (!stripPainted_ || bands != stripBands_) {
        for (int band = 0; band < kBandCount; ++band)
            strip.FillRect(0, BandFirstRow(band), kStripColumns - 1, BandLastRow(band), bands[band]);
        strip.Invalidate();
        stripBands_ = bands;
        stripPainted_ = true;
    }

    Box(picChosenColor).SetBackColor(strip.ReadPixel(0, StripRowFor(state_.MarkerPos)));
    RefreshReadouts();
}

void frmTintora::RefreshReadouts() {
    MoveArrow(ArrowTopFor(state_.MarkerPos));
    texts_ = MakeReadoutTexts(Box(picChosenColor).BackColor());
    if (texts_ != shownTexts_) RequestPresent();
}

void frmTintora::MoveArrow(int top) {
    if (top == arrowTop_) return;
    arrowTop_ = top;
    if (arrowTop_ != shownArrowTop_) RequestPresent();
}

// A message to ourselves: it is handled after the messages already waiting for the window, so a
// burst of moves costs one present, and before the window next paints or waits.
void frmTintora::RequestPresent() {
    if (presentRequested_ || hwnd_ == nullptr) return;
    presentRequested_ = ::PostMessageW(hwnd_, kPresentMessage, 0, 0) != FALSE;
    if (!presentRequested_) PresentReadouts();
}

void frmTintora::PresentReadouts() {
    presentRequested_ = false;
    if (hwnd_ == nullptr) return;
    if (arrowTop_ != shownArrowTop_) {
        shownArrowTop_ = arrowTop_;
        const RECT bounds = BoundsOf(LayoutOf(imgArrow));
        ::SetWindowPos(Control(imgArrow), nullptr, bounds.left, bounds.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (int i = 0; i < kReadoutCount; ++i) {
        // Rewriting an unchanged text would only make the box repaint.
        if (texts_[i] == shownTexts_[i]) continue;
        shownTexts_[i] = texts_[i];
        ::SetWindowTextW(Control(kReadoutBoxes[i]), texts_[i].data());
    }
}

} // namespace tintora
