#include "window/colour_view.h"

#include "platform/display.h"

#include "platform/system_functions.h"

namespace tintora {
namespace {

constexpr UINT_PTR kSubclassId = 1;

} // namespace

void ColourView::Attach(HWND window, UINT_PTR frameTimer) noexcept {
    window_ = window;
    frameTimer_ = frameTimer;
    frameMilliseconds_ = static_cast<UINT>(1000 / platform::RefreshRate());
}

bool ColourView::AttachReadouts() noexcept {
    for (ControlId id : kReadoutBoxes)
        if (!platform::sys::SetWindowSubclass(controls_.Control(id), &ColourView::ReadoutProc, kSubclassId,
                                              reinterpret_cast<DWORD_PTR>(this)))
            return false;
    return true;
}

// Whoever reads a readout, in this program or another, reads what the model says, even when the
// box has not been rewritten yet.
LRESULT CALLBACK ColourView::ReadoutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR view) noexcept {
    auto* self = reinterpret_cast<ColourView*>(view);
    if ((message == WM_GETTEXT || message == WM_GETTEXTLENGTH) && self->presentation_.Pending())
        self->Present();
    if (message == WM_NCDESTROY)
        platform::sys::RemoveWindowSubclass(box, &ColourView::ReadoutProc, kSubclassId);
    return platform::sys::DefSubclassProc(box, message, wParam, lParam);
}

void ColourView::Changed() noexcept {
    if (!presentation_.Changed() || window_ == nullptr) return;
    const bool ticking = ::SetTimer(window_, frameTimer_, frameMilliseconds_, nullptr) != 0;
    presentation_.SetTicking(ticking);
    if (!ticking) Present(); // no timer to be had: show it now rather than never
}

void ColourView::OnFrame() noexcept {
    switch (presentation_.OnFrame()) {
    case FrameStep::Present: Present(); break;
    case FrameStep::Stop: ::KillTimer(window_, frameTimer_); break;
    case FrameStep::Wait: break;
    }
}

void ColourView::Present() noexcept {
    const PresentWork work = presentation_.Present(model_);
    if (work.bands) {
        const BandColours& bands = model_.Bands();
        platform::PictureBox& strip = controls_.Box(picGradient);
        for (int band = 0; band < kBandCount; ++band)
            strip.FillRect(0, BandFirstRow(band), kStripColumns - 1, BandLastRow(band), bands[band]);
        strip.Invalidate();
    }
    controls_.Box(picChosenColor).SetBackColor(static_cast<COLORREF>(model_.Chosen()));
    controls_.Box(picCurrent).SetBackColor(static_cast<COLORREF>(model_.Current()));
    // The arrow is drawn by the window: a move repaints the two small places it leaves and takes,
    // which costs far less than moving a window of its own.
    if (work.arrowTo != work.arrowFrom) {
        for (int top : {work.arrowFrom, work.arrowTo}) {
            const RECT place = controls_.BoundsOf(LayoutOf(imgArrow), top);
            ::InvalidateRect(window_, &place, TRUE);
        }
    }
    for (int i = 0; i < kReadoutCount; ++i) {
        if (!work.textDiffers[i]) continue;
        const HWND box = controls_.Control(kReadoutBoxes[i]);
        if (i == held_ && ::SendMessageW(box, EM_GETMODIFY, 0, 0) != 0) continue;
        presentation_.TextShown(static_cast<Readout>(i), work.texts[i]);
        ::SetWindowTextW(box, work.texts[i].data());
    }
}

void ColourView::ShowReadout(Readout readout) noexcept {
    const HWND box = controls_.Control(kReadoutBoxes[readout]);
    const ReadoutText text = MakeReadoutTexts(model_.Chosen())[readout];
    presentation_.TextShown(readout, text);
    ::SetWindowTextW(box, text.data());
    ::SendMessageW(box, EM_SETMODIFY, FALSE, 0);
}

} // namespace tintora
