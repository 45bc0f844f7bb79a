// Tintora: sets the colour in which Messenger shows the user's own messages.
#include "platform/message_loop.h"
#include "window/tintora_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    if (!tintora::TintoraWindow::Register(instance)) return 1;
    tintora::TintoraWindow window;
    if (!window.Create(instance)) return 1;
    ::ShowWindow(window.Hwnd(), show);
    ::UpdateWindow(window.Hwnd());
    return tintora::platform::RunMessageLoop(window.Hwnd());
}
