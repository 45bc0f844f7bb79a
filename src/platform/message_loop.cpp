#include "platform/message_loop.h"

#include "platform/virtual_keys.h"

namespace tintora::platform {
namespace {

static_assert(kKeyTab == VK_TAB && kKeyEscape == VK_ESCAPE && kKeyAlt == VK_MENU && kKeyPageUp == VK_PRIOR &&
                  kKeyPageDown == VK_NEXT && kKeyEnd == VK_END && kKeyHome == VK_HOME &&
                  kKeyLeft == VK_LEFT && kKeyUp == VK_UP && kKeyRight == VK_RIGHT && kKeyDown == VK_DOWN,
              "the key codes are Windows' own");

// Keys that move the focus or a pick, and Alt: from the first of them on, focus cues show. Dialog
// navigation on Windows asks for that itself; asking again changes nothing there, and does it
// where the system leaves it out.
bool ShowsFocusCues(const MSG& message) {
    if (message.message == WM_SYSKEYDOWN) return message.wParam == kKeyAlt;
    return message.message == WM_KEYDOWN && IsNavigationKey(static_cast<int>(message.wParam));
}

// Ctrl+C and Ctrl+V where the focus is not in a text box copy and paste for the whole dialog: it is
// sent WM_COPY or WM_PASTE. A text box keeps its own; Ctrl+Alt is AltGr on many keyboards.
bool SentAsClipboardCommand(HWND dialog, const MSG& message) {
    if (message.message != WM_KEYDOWN || (message.wParam != 'C' && message.wParam != 'V')) return false;
    if (::GetKeyState(VK_CONTROL) >= 0 || ::GetKeyState(VK_MENU) < 0 || ::GetKeyState(VK_SHIFT) < 0)
        return false;
    if (message.hwnd != dialog && !::IsChild(dialog, message.hwnd)) return false;
    if ((::SendMessageW(message.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) return false;
    ::SendMessageW(dialog, message.wParam == 'C' ? WM_COPY : WM_PASTE, 0, 0);
    return true;
}

void Deliver(HWND dialog, MSG& message) {
    if (dialog != nullptr && SentAsClipboardCommand(dialog, message)) return;
    if (dialog != nullptr && ShowsFocusCues(message))
        ::SendMessageW(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (dialog != nullptr && ::IsWindow(dialog) && ::IsDialogMessageW(dialog, &message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

} // namespace

int RunMessageLoop(HWND dialog) {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0)
        Deliver(dialog, message);
    return static_cast<int>(message.wParam);
}

bool PumpPendingMessages(HWND dialog) {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Deliver(dialog, message);
    }
    return ::IsWindow(dialog) != FALSE;
}

} // namespace tintora::platform
