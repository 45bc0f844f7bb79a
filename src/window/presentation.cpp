#include "window/presentation.h"

#include "window/arrow.h"

namespace tintora {
namespace {

// A timer that keeps ticking while changes come costs nothing per change; it stops after two quiet
// frames, so a window left alone wakes up for nothing.
constexpr int kQuietFramesBeforeStopping = 2;

} // namespace

bool Presentation::Changed() noexcept {
    changed_ = true;
    quietFrames_ = 0;
    return !ticking_;
}

FrameStep Presentation::OnFrame() noexcept {
    if (changed_) return FrameStep::Present;
    if (++quietFrames_ < kQuietFramesBeforeStopping) return FrameStep::Wait;
    ticking_ = false;
    return FrameStep::Stop;
}

PresentWork Presentation::Present(const ColourModel& model) noexcept {
    changed_ = false;
    PresentWork work;
    // Painting the same bands again would change no pixel: a drag within one palette colour leaves
    // the strip alone.
    const BandColours& bands = model.Bands();
    work.bands = !stripPainted_ || bands != shownBands_;
    shownBands_ = bands;
    stripPainted_ = true;
    work.arrowFrom = shownArrowTop_;
    work.arrowTo = shownArrowTop_ = ArrowTopFor(model.MarkerPos());
    // Rewriting an unchanged text would only make the box repaint.
    work.texts = MakeReadoutTexts(model.Chosen());
    for (int i = 0; i < kReadoutCount; ++i)
        work.textDiffers[i] = work.texts[i] != shownTexts_[i];
    return work;
}

} // namespace tintora
