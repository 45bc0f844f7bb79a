#include "window/colour_view.h"

#include "platform/display.h"
#include "window/arrow.h"

#include <commctrl.h>

namespace tintora {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// A frame timer that keeps ticking while changes come costs nothing per change; it stops after two
// quiet frames, so a window left alone wakes up for nothing.
constexpr int kQuietFramesBeforeStopping = 2;

} // namespace

void ColourView::Attach(HWND window, UINT_PTR frameTimer) noexcept {
    window_ = window;
    frameTimer_ = frameTimer;
    frameMilliseconds_ = static_cast<UINT>(1000 / platform::RefreshRate());
}

bool ColourView::AttachReadouts() noexcept {
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
    if ((message == WM_GETTEXT || message == WM_GETTEXTLENGTH) && self->changed_) self->Present();
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(box, &ColourView::ReadoutProc, kSubclassId);
    return ::DefSubclassProc(box, message, wParam, lParam);
}

void ColourView::Changed() noexcept {
    changed_ = true;
    quietFrames_ = 0;
    if (ticking_ || window_ == nullptr) return;
    ticking_ = ::SetTimer(window_, frameTimer_, frameMilliseconds_, nullptr) != 0;
    if (!ticking_) Present(); // no timer to be had: show it now rather than never
}

void ColourView::OnFrame() noexcept {
    if (changed_) {
        Present();
    } else if (++quietFrames_ >= kQuietFramesBeforeStopping) {
        ::KillTimer(window_, frameTimer_);
        ticking_ = false;
    }
}

void ColourView::Present() noexcept {
    changed_ = false;
    const BandColours& bands = model_.Bands();
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
    controls_.Box(picChosenColor).SetBackColor(static_cast<COLORREF>(model_.Chosen()));
    controls_.Box(picCurrent).SetBackColor(static_cast<COLORREF>(model_.Current()));
    // The arrow is drawn by the window: a move repaints the two small places it leaves and takes,
    // which costs far less than moving a window of its own.
    if (const int arrowTop = ArrowTopFor(model_.MarkerPos()); arrowTop != shownArrowTop_) {
        for (int top : {shownArrowTop_, arrowTop}) {
            const RECT place = controls_.BoundsOf(LayoutOf(imgArrow), top);
            ::InvalidateRect(window_, &place, TRUE);
        }
        shownArrowTop_ = arrowTop;
    }
    const ReadoutTexts texts = MakeReadoutTexts(model_.Chosen());
    for (int i = 0; i < kReadoutCount; ++i) {
        // Rewriting an unchanged text would only make the box repaint.
        if (texts[i] == shownTexts_[i]) continue;
        const HWND box = controls_.Control(kReadoutBoxes[i]);
        if (i == held_ && ::SendMessageW(box, EM_GETMODIFY, 0, 0) != 0) continue;
        shownTexts_[i] = texts[i];
        ::SetWindowTextW(box, texts[i].data());
    }
}

void ColourView::ShowReadout(Readout readout) noexcept {
    const HWND box = controls_.Control(kReadoutBoxes[readout]);
    shownTexts_[readout] = MakeReadoutTexts(model_.Chosen())[readout];
    ::SetWindowTextW(box, shownTexts_[readout].data());
    ::SendMessageW(box, EM_SETMODIFY, FALSE, 0);
}

} // namespace tintora
