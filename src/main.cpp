// Tintora: sets the colour in which Messenger shows the user's own messages.
#include "platform/message_loop.h"
#include "platform/system_library.h"
#include "window/tintora_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // Before any library is loaded: none may come from the folder the program was started from.
    tintora::platform::RestrictLibrarySearch();
    if (!tintora::TintoraWindow::Register(instance)) return 1;
    tintora::TintoraWindow window;
    if (!window.Create(instance)) return 1;
    ::ShowWindow(window.Hwnd(), show);
    ::UpdateWindow(window.Hwnd());
    return tintora::platform::RunMessageLoop(window.Hwnd());
}
