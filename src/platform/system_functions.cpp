#include "platform/system_functions.h"

#include "platform/system_library.h"

#include <oleacc.h>

namespace tintora::platform::sys {
namespace {

HMODULE Ole32() noexcept {
    static const HMODULE library = LoadSystemLibrary(L"ole32.dll");
    return library;
}
HMODULE OleAut32() noexcept {
    static const HMODULE library = LoadSystemLibrary(L"oleaut32.dll");
    return library;
}
HMODULE OleAcc() noexcept {
    static const HMODULE library = LoadSystemLibrary(L"oleacc.dll");
    return library;
}
HMODULE CommonControls() noexcept {
    static const HMODULE library = LoadCommonControls();
    return library;
}

// The function of that name in the library, typed as the Windows headers declare it, or nullptr.
template <typename Function> Function In(HMODULE library, const char* name) noexcept {
    return AsFunction<Function>(library != nullptr ? ::GetProcAddress(library, name) : nullptr);
}

} // namespace

HRESULT CoInitializeEx(void* reserved, DWORD model) noexcept {
    static const auto call = In<decltype(&::CoInitializeEx)>(Ole32(), "CoInitializeEx");
    return call != nullptr ? call(reserved, model) : E_NOTIMPL;
}

void CoUninitialize() noexcept {
    static const auto call = In<decltype(&::CoUninitialize)>(Ole32(), "CoUninitialize");
    if (call != nullptr) call();
}

HRESULT CLSIDFromProgID(LPCOLESTR name, CLSID* found) noexcept {
    static const auto call = In<decltype(&::CLSIDFromProgID)>(Ole32(), "CLSIDFromProgID");
    return call != nullptr ? call(name, found) : CO_E_CLASSSTRING;
}

HRESULT CoCreateInstance(REFCLSID type, IUnknown* outer, DWORD context, REFIID interfaceId,
                         void** made) noexcept {
    static const auto call = In<decltype(&::CoCreateInstance)>(Ole32(), "CoCreateInstance");
    if (call != nullptr) return call(type, outer, context, interfaceId, made);
    *made = nullptr;
    return REGDB_E_CLASSNOTREG;
}

BSTR SysAllocString(const OLECHAR* text) noexcept {
    static const auto call = In<decltype(&::SysAllocString)>(OleAut32(), "SysAllocString");
    return call != nullptr ? call(text) : nullptr;
}

void SysFreeString(BSTR text) noexcept {
    static const auto call = In<decltype(&::SysFreeString)>(OleAut32(), "SysFreeString");
    if (call != nullptr) call(text);
}

void VariantInit(VARIANT* value) noexcept {
    static const auto call = In<decltype(&::VariantInit)>(OleAut32(), "VariantInit");
    if (call != nullptr) {
        call(value);
    } else {
        V_VT(value) = VT_EMPTY;
    }
}

HRESULT VariantClear(VARIANT* value) noexcept {
    static const auto call = In<decltype(&::VariantClear)>(OleAut32(), "VariantClear");
    return call != nullptr ? call(value) : E_NOTIMPL;
}

HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID interfaceId, void** made) noexcept {
    static const auto call =
        In<decltype(&::CreateStdAccessibleObject)>(OleAcc(), "CreateStdAccessibleObject");
    if (call != nullptr) return call(window, objectId, interfaceId, made);
    *made = nullptr;
    return E_NOTIMPL;
}

LRESULT LresultFromObject(REFIID interfaceId, WPARAM wParam, IUnknown* object) noexcept {
    static const auto call = In<decltype(&::LresultFromObject)>(OleAcc(), "LresultFromObject");
    return call != nullptr ? call(interfaceId, wParam, object) : E_NOTIMPL;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) noexcept {
    static const auto call = In<decltype(&::InitCommonControlsEx)>(CommonControls(), "InitCommonControlsEx");
    return call != nullptr && call(classes);
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) noexcept {
    static const auto call = In<decltype(&::SetWindowSubclass)>(CommonControls(), "SetWindowSubclass");
    return call != nullptr && call(window, procedure, id, data);
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) noexcept {
    static const auto call = In<decltype(&::RemoveWindowSubclass)>(CommonControls(), "RemoveWindowSubclass");
    return call != nullptr && call(window, procedure, id);
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    // Only a subclassed window calls it, so the library is there.
    static const auto call = In<decltype(&::DefSubclassProc)>(CommonControls(), "DefSubclassProc");
    return call(window, message, wParam, lParam);
}

} // namespace tintora::platform::sys
