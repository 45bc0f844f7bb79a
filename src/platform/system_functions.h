// The few functions Tintora uses of COM (ole32), its strings and variants (oleaut32), the screen
// readers' library (oleacc) and the common controls (comctl32). None is imported: a library that the
// program imports is loaded with it, before its first line runs, from wherever Windows finds it first,
// which can be the folder the program was started from. Each library is loaded from the system folder
// with the first call instead (system_library.h), and where it cannot be, the call fails as the
// function itself fails.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <oleauto.h>

namespace tintora::platform::sys {

HRESULT CoInitializeEx(void* reserved, DWORD model) noexcept;
void CoUninitialize() noexcept;
HRESULT CLSIDFromProgID(LPCOLESTR name, CLSID* found) noexcept;
HRESULT CoCreateInstance(REFCLSID type, IUnknown* outer, DWORD context, REFIID interfaceId,
                         void** made) noexcept;

BSTR SysAllocString(const OLECHAR* text) noexcept;
void SysFreeString(BSTR text) noexcept;
void VariantInit(VARIANT* value) noexcept;
HRESULT VariantClear(VARIANT* value) noexcept;

HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID interfaceId, void** made) noexcept;
LRESULT LresultFromObject(REFIID interfaceId, WPARAM wParam, IUnknown* object) noexcept;

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) noexcept;
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) noexcept;
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) noexcept;
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace tintora::platform::sys
