#include "window/colour_view.h"

#include "window/arrow.h"

#include <commctrl.h>

namespace tintora {
namespace {

constexpr UINT_PTR kSubclassId = 1;

} // namespace

bool ColourView::Attach(HWND window, UINT presentMessage) noexcept {
    window_ = window;
    presentMessage_ = presentMessage;
    for (ControlId id : kReadoutBoxes)
        if (!::SetWindowSubclass(controls_.Control(id), &ColourView::ReadoutProc, kSubclassId,
                                 reinterpret_cast<DWORD_PTR>(this)))
            return false;
    return true;
}

// Whoever reads a readout, in this program or another, reads what the model says, even when the
// box has not been rewritten yet.
LRESULT CALLBACK ColourView::ReadoutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR view) noexcept {
    auto* self = reinterpret_cast<ColourView*>(view);
    if ((message == WM_GETTEXT || message == WM_GETTEXTLENGTH) && self->presentRequested_) self->Present();
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(box, &ColourView::ReadoutProc, kSubclassId);
    return ::DefSubclassProc(box, message, wParam, lParam);
}

void ColourView::Show(const ColourModel& model) noexcept {
    const BandColours& bands = model.Bands();
    // Painting the same bands again would change no pixel: a drag within one palette colour leaves
    // the strip alone.
    if (!stripPainted_ || bands != shownBands_) {
        platform::PictureBox& strip = controls_.Box(picGradient);
        for (int band = 0; band < kBandCount; ++band)
            strip.FillRect(0, BandFirstRow(band), kStripColumns - 1, BandLastRow(band), bands[band]);
        strip.Invalidate();
        shownBands_ = bands;
        stripPainted_ = true;
    }
    controls_.Box(picChosenColor).SetBackColor(static_cast<COLORREF>(model.Chosen()));
    controls_.Box(picCurrent).SetBackColor(static_cast<COLORREF>(model.Current()));
    arrowTop_ = ArrowTopFor(model.MarkerPos());
    texts_ = MakeReadoutTexts(model.Chosen());
    if (arrowTop_ != shownArrowTop_ || texts_ != shownTexts_) RequestPresent();
}

// A message to the window itself: it is handled after the messages already waiting, so a burst of
// moves costs one present, and before the window next paints or waits.
void ColourView::RequestPresent() noexcept {
    if (presentRequested_) return;
    presentRequested_ = window_ != nullptr && ::PostMessageW(window_, presentMessage_, 0, 0) != FALSE;
    if (!presentRequested_) Present();
}

void ColourView::Present() noexcept {
    presentRequested_ = false;
    if (arrowTop_ != shownArrowTop_) {
        shownArrowTop_ = arrowTop_;
        controls_.MoveArrow(arrowTop_);
    }
    for (int i = 0; i < kReadoutCount; ++i) {
        // Rewriting an unchanged text would only make the box repaint.
        if (texts_[i] == shownTexts_[i]) continue;
        const HWND box = controls_.Control(kReadoutBoxes[i]);
        if (i == held_ && ::SendMessageW(box, EM_GETMODIFY, 0, 0) != 0) continue;
        shownTexts_[i] = texts_[i];
        ::SetWindowTextW(box, texts_[i].data());
    }
}

void ColourView::ShowReadout(Readout readout) noexcept {
    const HWND box = controls_.Control(kReadoutBoxes[readout]);
    shownTexts_[readout] = texts_[readout];
    ::SetWindowTextW(box, texts_[readout].data());
    ::SendMessageW(box, EM_SETMODIFY, FALSE, 0);
}

} // namespace tintora
