// A small Windows program the end-to-end tests run beside Tintora, in the same Wine prefix, to hear
// what a screen reader hears: `probe ID...` prints each control's accessible name, value and
// description, one per line, asked through the accessibility interface.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

int main(int argc, char** argv) {
    const HWND window = ::FindWindowW(L"TintoraWindow", nullptr);
    if (window == nullptr || FAILED(::CoInitialize(nullptr))) return 2;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    int status = 0;
    for (int arg = 1; arg < argc; ++arg) {
        IAccessible* object = nullptr;
        if (FAILED(::AccessibleObjectFromWindow(::GetDlgItem(window, std::atoi(argv[arg])),
                                                static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object)))) {
            status = 3;
            continue;
        }
        for (auto get :
             {&IAccessible::get_accName, &IAccessible::get_accValue, &IAccessible::get_accDescription}) {
            BSTR text = nullptr;
            (object->*get)(self, &text);
            std::printf("%ls\n", text != nullptr ? text : L"");
            ::SysFreeString(text);
        }
        object->Release();
    }
    ::CoUninitialize();
    return status;
}
