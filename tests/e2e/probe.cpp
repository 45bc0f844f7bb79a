// A small Windows program the end-to-end tests run beside Tintora, in the same Wine prefix, to read
// what pixels cannot tell:
//   probe texts          the seven readouts, hue to hex, one per line
//   probe accname ID     a control's accessible name, value and description, one per line, asked
//                        through the accessibility interface as a screen reader would
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

void PrintText(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    (object->*get)(self, &text);
    std::printf("%ls\n", text != nullptr ? text : L"");
    ::SysFreeString(text);
}

} // namespace

int main(int argc, char** argv) {
    const HWND window = ::FindWindowW(L"TintoraWindow", nullptr);
    if (window == nullptr || argc < 2) return 2;
    if (std::strcmp(argv[1], "texts") == 0) {
        for (int id : {1004, 1005, 1006, 1007, 1008, 1009, 1026}) {
            char text[32] = "";
            ::SendMessageA(::GetDlgItem(window, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            std::printf("%s\n", text);
        }
        return 0;
    }
    const HWND control = argc == 3 ? ::GetDlgItem(window, std::atoi(argv[2])) : nullptr;
    if (control == nullptr) return 3;
    IAccessible* object = nullptr;
    if (std::strcmp(argv[1], "accname") != 0 || FAILED(::CoInitialize(nullptr))) return 2;
    if (SUCCEEDED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                               __uuidof(IAccessible), reinterpret_cast<void**>(&object)))) {
        PrintText(object, &IAccessible::get_accName);
        PrintText(object, &IAccessible::get_accValue);
        PrintText(object, &IAccessible::get_accDescription);
        object->Release();
    }
    ::CoUninitialize();
    return object != nullptr ? 0 : 5;
}
