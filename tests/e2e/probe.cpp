// A small Windows program the end-to-end tests run beside Tintora, in the same Wine prefix, to read
// what the window holds that pixels cannot tell: the readout texts and the controls' places.
//   probe texts          the seven readouts, hue to hex, one per line
//   probe rect ID        a control's rectangle in the window's client area: left top right bottom
//   probe focus          the id of the control that has the keyboard focus (0 for none)
//   probe close          asks the window to close, as another program or the task list would
//   probe accname ID     what a screen reader hears from a control: its accessible name, value
//                        and description, one per line, asked through the accessibility interface
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>

namespace {

HWND FindTintora() { return ::FindWindowW(L"TintoraWindow", nullptr); }

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

struct ComSession {
    const bool started = SUCCEEDED(::CoInitialize(nullptr));
    ~ComSession() {
        if (started) ::CoUninitialize();
    }
};

// One text of the control's accessible object, printed as a line (empty when it has none).
void PrintText(IAccessible& object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    (object.*get)(self, &text);
    std::printf("%ls\n", text != nullptr ? text : L"");
    ::SysFreeString(text);
}

int PrintAccessibleTexts(HWND control) {
    const ComSession com;
    if (!com.started) return 4;
    void* found = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            &found)))
        return 5;
    const std::unique_ptr<IAccessible, ComReleaser> object(static_cast<IAccessible*>(found));
    PrintText(*object, &IAccessible::get_accName);
    PrintText(*object, &IAccessible::get_accValue);
    PrintText(*object, &IAccessible::get_accDescription);
    return 0;
}

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
    if (std::strcmp(argv[1], "accname") == 0 && argc == 3) {
        const HWND control = ::GetDlgItem(window, std::atoi(argv[2]));
        return control != nullptr ? PrintAccessibleTexts(control) : 3;
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
