#include "window/entry_boxes.h"

#include "model/colour_codes.h"

#include "platform/system_functions.h"

namespace tintora {
namespace {

// Longer than any text a box takes, spaces around included; anything longer is not taken either.
constexpr int kLongestEntry = 32;

bool IsEnterOrEscape(const MSG* message) {
    return message != nullptr && message->message == WM_KEYDOWN &&
           (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE);
}

void SelectAll(HWND box) { ::SendMessageW(box, EM_SETSEL, 0, -1); }

} // namespace

bool EntryBoxes::Attach(EntryListener& listener) noexcept {
    listener_ = &listener;
    for (int readout = 0; readout < kReadoutCount; ++readout)
        if (!platform::sys::SetWindowSubclass(controls_.Control(kReadoutBoxes[readout]), &EntryBoxes::BoxProc,
                                              static_cast<UINT_PTR>(readout),
                                              reinterpret_cast<DWORD_PTR>(this)))
            return false;
    return true;
}

LRESULT CALLBACK EntryBoxes::BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data) noexcept {
    auto* self = reinterpret_cast<EntryBoxes*>(data);
    const auto readout = static_cast<Readout>(id);
    switch (message) {
    case WM_GETDLGCODE:
        // Enter and Escape come to the box rather than to dialog navigation, which has no use for them.
        if (IsEnterOrEscape(reinterpret_cast<const MSG*>(lParam)))
            return platform::sys::DefSubclassProc(box, message, wParam, lParam) | DLGC_WANTMESSAGE;
        break;
    case WM_KEYDOWN:
        self->tip_.Hide(); // said once; the next key is a new try
        if (wParam == VK_RETURN) {
            self->Enter(box, readout);
            SelectAll(box); // ready for the next number
            return 0;
        }
        if (wParam == VK_ESCAPE) {
            self->Restore(box, readout);
            return 0;
        }
        break;
    case WM_CHAR:
        // Enter and Escape are done with at the key; a single-line box would beep at their characters.
        if (wParam == L'\r' || wParam == L'\n' || wParam == 0x1B) return 0;
        break;
    case WM_SETFOCUS: self->view_.Hold(readout); break;
    case WM_KILLFOCUS: {
        // Another control of this window: the box is left. The window losing the focus to another
        // program leaves the typing as it is, to go on with on coming back.
        const HWND next = reinterpret_cast<HWND>(wParam);
        if (next != nullptr && ::GetAncestor(next, GA_ROOT) == ::GetAncestor(box, GA_ROOT)) {
            self->tip_.Hide();
            self->Enter(box, readout);
            self->view_.Hold(kReadoutCount);
        }
        break;
    }
    case WM_NCDESTROY: platform::sys::RemoveWindowSubclass(box, &EntryBoxes::BoxProc, id); break;
    default: break;
    }
    return platform::sys::DefSubclassProc(box, message, wParam, lParam);
}

// Enters what was typed since the box last showed its value; nothing when nothing was.
void EntryBoxes::Enter(HWND box, Readout readout) noexcept {
    if (::SendMessageW(box, EM_GETMODIFY, 0, 0) == 0) return;
    wchar_t text[kLongestEntry + 1] = L"";
    const int length = ::GetWindowTextLengthW(box);
    const bool taken = length <= kLongestEntry && ::GetWindowTextW(box, text, kLongestEntry + 1) == length &&
                       listener_->OnEntry(readout, std::wstring_view(text, static_cast<std::size_t>(length)));
    view_.ShowReadout(readout);
    if (!taken) tip_.Show(box, EntryHint(readout));
}

void EntryBoxes::Restore(HWND box, Readout readout) noexcept {
    view_.ShowReadout(readout);
    SelectAll(box);
}

} // namespace tintora
