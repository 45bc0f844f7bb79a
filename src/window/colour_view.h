// The window's picture of the model: the strip's bands, the New and Current swatches, the arrow
// beside the marked row and the seven readout boxes, shown when the presentation says so.
#pragma once

#include "model/colour_model.h"
#include "model/readout_texts.h"
#include "window/controls.h"
#include "window/presentation.h"

namespace tintora {

// The readout boxes, in the order of the readouts.
inline constexpr std::array<ControlId, kReadoutCount> kReadoutBoxes{txtHue,   txtSat,  txtLum, txtRed,
                                                                    txtGreen, txtBlue, txtHexa};

class ColourView {
public:
    ColourView(ControlSet& controls, const ColourModel& model) noexcept
        : controls_(controls)
        , model_(model) {}
    ColourView(const ColourView&) = delete;
    ColourView& operator=(const ColourView&) = delete;

    // The frame timer runs on the window with the id given.
    void Attach(HWND window, UINT_PTR frameTimer) noexcept;
    // From now on the readout boxes bring themselves up to date whenever their text is asked for.
    bool AttachReadouts() noexcept;
    // The model has changed: the window shows it by the next display frame.
    void Changed() noexcept;
    // The frame timer: shows what changed since the last frame, and stops once nothing does.
    void OnFrame() noexcept;
    // Shows the model now: at start-up, at a new density, and for whoever reads a readout.
    void Present() noexcept;
    // Where the arrow stands now: its top edge in layout pixels.
    int ShownArrowTop() const noexcept { return presentation_.ShownArrowTop(); }
    // The box with the focus (kReadoutCount for none): once the user has typed in it, their text
    // stays, whatever the model does, until they finish.
    void Hold(Readout readout) noexcept { held_ = readout; }
    // The box shows the model's value again, whatever was typed.
    void ShowReadout(Readout readout) noexcept;

private:
    static LRESULT CALLBACK ReadoutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR view) noexcept;
    ControlSet& controls_;
    const ColourModel& model_;
    HWND window_ = nullptr;
    UINT_PTR frameTimer_ = 0;
    UINT frameMilliseconds_ = 16;
    Presentation presentation_;
    int held_ = kReadoutCount; // none
};

} // namespace tintora
