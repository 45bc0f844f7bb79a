// The window procedure of a class whose windows each belong to one C++ object. The object comes in
// through CreateWindowEx's last argument, is bound to its window at WM_NCCREATE and let go at
// WM_NCDESTROY; in between every message goes to its HandleMessage. The object keeps its handle in
// a member hwnd_, which is null whenever no window is bound.
#pragma once

#include "platform/handles.h"

namespace tintora::platform {

template <typename Owner>
LRESULT CALLBACK BoundWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        owner->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto* owner = reinterpret_cast<Owner*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (owner != nullptr) owner->hwnd_ = nullptr;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return owner != nullptr ? owner->HandleMessage(message, wParam, lParam)
                            : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace tintora::platform
