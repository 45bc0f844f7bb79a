// When the window shows the model, and what of it has to be drawn again. Every window call is a trip
// to the window server, dearer than a whole pick, so a change of the model costs nothing here: the
// window follows at most once per display frame, on a timer that runs only while changes come, and
// always within a frame of the last change. A present then redraws only what differs from what is
// shown.
#pragma once

#include "model/colour_model.h"
#include "model/readout_texts.h"
#include "window/layout.h"

#include <array>

namespace tintora {

enum class FrameStep { Present, Wait, Stop };

// What one present has to draw.
struct PresentWork {
    bool bands = false; // the strip's bands differ from those shown
    int arrowFrom = 0;  // the arrow's top edge, in layout pixels, before and after; equal when it stays
    int arrowTo = 0;
    ReadoutTexts texts{}; // the readouts' texts, and which of them differ from those shown
    std::array<bool, kReadoutCount> textDiffers{};
};

class Presentation {
public:
    // The model has changed. True when the frame timer has to be started.
    bool Changed() noexcept;
    // Whether the frame timer runs.
    void SetTicking(bool ticking) noexcept { ticking_ = ticking; }
    // Something changed since the last present.
    bool Pending() const noexcept { return changed_; }
    // A display frame has come: present, wait for more, or stop the timer after a few quiet ones.
    FrameStep OnFrame() noexcept;

    // Compares the model with what is shown. The bands and the arrow count as shown from then on; a
    // readout once TextShown says so, since a box the user types in may keep its text.
    PresentWork Present(const ColourModel& model) noexcept;
    void TextShown(Readout readout, const ReadoutText& text) noexcept { shownTexts_[readout] = text; }
    // The arrow's top edge in layout pixels, where it was last shown.
    int ShownArrowTop() const noexcept { return shownArrowTop_; }

private:
    bool changed_ = false; // since the last present
    bool ticking_ = false;
    int quietFrames_ = 0;
    bool stripPainted_ = false;
    BandColours shownBands_{};
    int shownArrowTop_ = LayoutOf(imgArrow).top;
    ReadoutTexts shownTexts_{};
};

} // namespace tintora
