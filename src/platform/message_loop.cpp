#include "platform/message_loop.h"

namespace platform {
namespace {

void Deliver(HWND dialog, MSG& message) {
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

} // namespace platform
