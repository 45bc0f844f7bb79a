// Tintora: sets the colour in which Messenger shows the user's own messages.
#include "editor/frm_tintora.h"
#include "platform/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const platform::ComApartment com; // for the script host's shell object on Save
    if (!tintora::frmTintora::Register(instance)) return 1;
    tintora::frmTintora form;
    if (!form.Create(instance)) return 1;
    ::ShowWindow(form.Hwnd(), show);
    ::UpdateWindow(form.Hwnd());
    return platform::RunMessageLoop(form.Hwnd());
}
