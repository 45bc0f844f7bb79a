#include "window_fixture.h"

#include "platform/message_loop.h"

namespace tintora::testing {
namespace {

constexpr const char* kSubKey = "Software\\Microsoft\\MSNMessenger";

LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

} // namespace

void StoreImColor(std::uint32_t value) {
    const DWORD data = value;
    StoreImColorRaw(REG_DWORD, &data, sizeof data);
}

void StoreImColorRaw(DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kSubKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    const platform::UniqueRegKey owned(key);
    ASSERT_EQ(::RegSetValueExA(key, "IM Color", 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
}

void DeleteMessengerKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kSubKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kSubKey);
}

std::optional<std::uint32_t> StoredImColor() {
    DWORD type = 0, data = 0, size = sizeof data;
    if (::RegGetValueA(HKEY_CURRENT_USER, kSubKey, "IM Color", RRF_RT_ANY, &type, &data, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return data;
}

void PumpMessages() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

std::wstring TextOf(HWND control) {
    wchar_t text[64] = L"";
    ::GetWindowTextW(control, text, 64);
    return text;
}

RECT ClientRectIn(HWND control, HWND parent) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Wine hands what a window painted to the X server when its thread next waits for messages.
    for (int i = 0; i < 5; ++i) {
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, point.x, point.y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

void Press(HWND box, int x, int y, UINT message) {
    const WPARAM keys = message == WM_RBUTTONDOWN   ? MK_RBUTTON
                        : message == WM_MBUTTONDOWN ? MK_MBUTTON
                                                    : MK_LBUTTON;
    ::SendMessageW(box, message, keys, Point(x, y));
}

void MoveHeld(HWND box, int x, int y, WPARAM keys) { ::SendMessageW(box, WM_MOUSEMOVE, keys, Point(x, y)); }

void Release(HWND box, int x, int y, UINT message) { ::SendMessageW(box, message, 0, Point(x, y)); }

frmTintora& WindowTest::Open() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    EXPECT_TRUE(frmTintora::Register(instance));
    form_ = std::make_unique<frmTintora>();
    EXPECT_TRUE(form_->Create(instance));
    ::ShowWindow(form_->Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(form_->Hwnd());
    PumpMessages();
    return *form_;
}

void WindowTest::TearDown() {
    form_.reset();
    // The window posted WM_QUIT when it went; the next test starts with a clean queue.
    PumpMessages();
    DeleteMessengerKey();
}

} // namespace tintora::testing
