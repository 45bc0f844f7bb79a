// The window's picture of the model: the strip's bands, the New and Current swatches, the arrow
// beside the marked row and the seven readout boxes. The strip and the swatches are retained
// surfaces and are painted at once; the arrow and the readout boxes are windows, and moving or
// rewriting one costs more than a whole pick, so they follow once per batch of messages.
#pragma once

#include "model/colour_model.h"
#include "model/readout_texts.h"
#include "window/controls.h"

namespace tintora {

// The readout boxes, in the order of the readouts.
inline constexpr std::array<ControlId, kReadoutCount> kReadoutBoxes{txtHue,   txtSat,  txtLum, txtRed,
                                                                    txtGreen, txtBlue, txtHexa};

class ColourView {
public:
    explicit ColourView(ControlSet& controls) noexcept
        : controls_(controls) {}
    ColourView(const ColourView&) = delete;
    ColourView& operator=(const ColourView&) = delete;

    // The readout boxes bring themselves up to date whenever their text is asked for. Follow-ups are
    // posted to the window as presentMessage.
    bool Attach(HWND window, UINT presentMessage) noexcept;
    // Shows the model: surfaces at once, the arrow and the readouts by the time the window waits.
    void Show(const ColourModel& model) noexcept;
    // The arrow and readout windows catch up with what Show was given.
    void Present() noexcept;
    // The arrow's top edge in layout pixels, as the model has it now.
    int ArrowTop() const noexcept { return arrowTop_; }
    // The box with the focus (kReadoutCount for none): once the user has typed in it, their text
    // stays, whatever the model does, until they finish.
    void Hold(Readout readout) noexcept { held_ = readout; }
    // The box shows the model's value again, whatever was typed.
    void ShowReadout(Readout readout) noexcept;

private:
    static LRESULT CALLBACK ReadoutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR view) noexcept;
    void RequestPresent() noexcept;

    ControlSet& controls_;
    HWND window_ = nullptr;
    UINT presentMessage_ = 0;
    bool presentRequested_ = false;
    bool stripPainted_ = false;
    BandColours shownBands_{};
    int arrowTop_ = LayoutOf(imgArrow).top;
    int shownArrowTop_ = LayoutOf(imgArrow).top;
    ReadoutTexts texts_{};
    ReadoutTexts shownTexts_{};
    int held_ = kReadoutCount; // none
};

} // namespace tintora
