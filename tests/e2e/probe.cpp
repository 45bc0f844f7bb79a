// A small Windows program the end-to-end tests run beside Tintora, in the same Wine prefix, to read
// what the window holds that pixels cannot tell: the readout texts and the controls' places.
//   probe texts          the seven readouts, hue to hex, one per line
//   probe rect ID        a control's rectangle in the window's client area: left top right bottom
//   probe focus          the id of the control that has the keyboard focus (0 for none)
//   probe close          asks the window to close, as another program or the task list would
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

HWND FindTintora() { return ::FindWindowW(L"TintoraWindow", nullptr); }

} // namespace

int main(int argc, char** argv) {
    const HWND window = FindTintora();
    if (window == nullptr || argc < 2) return 2;
    if (std::strcmp(argv[1], "texts") == 0) {
        for (int id : {1004, 1005, 1006, 1007, 1008, 1009, 1026}) {
            char text[32] = "";
            ::SendMessageA(::GetDlgItem(window, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            std::printf("%s\n", text);
        }
        return 0;
    }
    if (std::strcmp(argv[1], "rect") == 0 && argc == 3) {
        const HWND control = ::GetDlgItem(window, std::atoi(argv[2]));
        if (control == nullptr) return 3;
        RECT rect{};
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        return 0;
    }
    if (std::strcmp(argv[1], "focus") == 0) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
        std::printf("%d\n", info.hwndFocus != nullptr ? ::GetDlgCtrlID(info.hwndFocus) : 0);
        return 0;
    }
    if (std::strcmp(argv[1], "close") == 0) return ::PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 3;
    return 2;
}
