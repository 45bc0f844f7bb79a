// Colours given by their numbers: typed into a readout box, pasted with Ctrl+V, copied with Ctrl+C.
// Each becomes the base colour as a sample does, is shown and announced; nothing is stored until Save.
#include "window/tintora_window.h"

#include "model/colour_codes.h"
#include "platform/clipboard.h"

namespace tintora {
namespace {

// Longer than any colour code, spaces and a line end included.
constexpr int kLongestCode = 64;

} // namespace

bool TintoraWindow::OnEntry(Readout box, std::wstring_view text) noexcept {
    if (!model_.EnterReadout(box, text)) return false;
    Render();
    spoken_.AnnounceChosen();
    return true;
}

// Ctrl+C outside the text boxes: the New colour as #RRGGBB.
void TintoraWindow::CopyColour() noexcept {
    const ColourCode code = ColourCodeOf(model_.Chosen());
    if (!platform::CopyText(hwnd_, std::wstring_view(code.data()))) ::MessageBeep(MB_ICONWARNING);
}

// Ctrl+V outside the text boxes: a colour code from the clipboard. Anything else changes nothing.
void TintoraWindow::PasteColour() noexcept {
    wchar_t text[kLongestCode] = L"";
    const int length = platform::PasteText(hwnd_, text, kLongestCode);
    if (length < 0 || !model_.PasteCode(std::wstring_view(text, static_cast<std::size_t>(length)))) {
        ::MessageBeep(MB_OK);
        return;
    }
    Render();
    spoken_.AnnounceChosen();
}

} // namespace tintora
