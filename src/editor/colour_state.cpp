// SetBaseColor and RefreshReadouts: every change of colour ends here. Both run once per mouse move
// during a drag, so they paint straight into retained surfaces and allocate nothing.
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
    for (int band = 0; band < kBandCount; ++band)
        strip.FillRect(0, BandFirstRow(band), kStripColumns - 1, BandLastRow(band), bands[band]);
    strip.Invalidate();

    Box(picChosenColor).SetBackColor(strip.ReadPixel(0, StripRowFor(state_.MarkerPos)));
    RefreshReadouts();
}

void frmTintora::RefreshReadouts() {
    MoveArrow(ArrowTopFor(state_.MarkerPos));
    const ReadoutTexts texts = MakeReadoutTexts(Box(picChosenColor).BackColor());
    for (int i = 0; i < kReadoutCount; ++i) {
        // Rewriting an unchanged text would only make the box repaint.
        if (texts[i] == shownTexts_[i]) continue;
        ::SetWindowTextW(Control(kReadoutBoxes[i]), texts[i].data());
        shownTexts_[i] = texts[i];
    }
}

void frmTintora::MoveArrow(int top) {
    if (top == arrowTop_) return;
    arrowTop_ = top;
    const RECT bounds = BoundsOf(SpecOf(imgArrow));
    ::SetWindowPos(Control(imgArrow), nullptr, bounds.left, bounds.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tintora
