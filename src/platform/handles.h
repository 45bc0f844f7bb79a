// One owning type per kind of Windows handle, each a unique_ptr whose deleter names the handle type
// as its pointer, so the unique_ptr holds the handle itself. Copying is impossible and release
// happens exactly once, on every path.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/system_functions.h" // BSTR, VARIANT and COM, loaded from the system folder

#include <memory>
#include <type_traits>

namespace tintora::platform {

template <typename Handle, auto Release> struct HandleDeleter {
    using pointer = Handle;
    void operator()(Handle handle) const noexcept { Release(handle); }
};

template <typename Handle, auto Release>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleDeleter<Handle, Release>>;

inline void DeleteGdiObject(HGDIOBJ object) noexcept { ::DeleteObject(object); }
inline void DeleteMemoryDc(HDC dc) noexcept { ::DeleteDC(dc); }
inline void CloseRegKey(HKEY key) noexcept { ::RegCloseKey(key); }
inline void DestroyIconHandle(HICON icon) noexcept { ::DestroyIcon(icon); }
inline void FreeBstr(BSTR text) noexcept { sys::SysFreeString(text); }
inline void FreeGlobal(HGLOBAL memory) noexcept { ::GlobalFree(memory); }

using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteMemoryDc>;
using UniqueRegKey = UniqueHandle<HKEY, CloseRegKey>;
using UniqueIcon =
    UniqueHandle<HICON, DestroyIconHandle>; // icons and cursors made by LoadImage/CreateIconIndirect
using UniqueBstr = UniqueHandle<BSTR, FreeBstr>;
using UniqueGlobal = UniqueHandle<HGLOBAL, FreeGlobal>; // movable memory, until the clipboard takes it

// A window's device context goes back to the window it came from.
struct WindowDcReleaser {
    using pointer = HDC;
    HWND window = nullptr;
    void operator()(HDC dc) const noexcept { ::ReleaseDC(window, dc); }
};
using UniqueWindowDc = std::unique_ptr<std::remove_pointer_t<HDC>, WindowDcReleaser>;

inline UniqueWindowDc GetWindowDc(HWND window) {
    return UniqueWindowDc(::GetDC(window), WindowDcReleaser{window});
}

// A COM interface pointer, released once.
struct ComReleaser {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};
template <typename Interface> using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// A VARIANT that is cleared when it goes.
class UniqueVariant {
public:
    UniqueVariant() noexcept { sys::VariantInit(&value_); }
    ~UniqueVariant() { sys::VariantClear(&value_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    VARIANT* get() noexcept { return &value_; }

private:
    VARIANT value_;
};

// Selects an object into a DC and puts back what was there before.
class SelectionGuard {
public:
    SelectionGuard(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc)
        , previous_(::SelectObject(dc, object)) {}
    ~SelectionGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// COM for this thread, undone only if it was done.
class ComApartment {
public:
    ComApartment() noexcept
        : initialised_(SUCCEEDED(sys::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) sys::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Initialised() const noexcept { return initialised_; }

private:
    bool initialised_;
};

} // namespace tintora::platform
