#include "window_fixture.h"

#include "platform/message_loop.h"

#include <chrono>
#include <utility>

namespace tintora::testing {
namespace {

constexpr const char* kSubKey = "Software\\Microsoft\\MSNMessenger";

std::vector<HWND> announced;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) announced.push_back(window);
}

} // namespace

void StoreImColor(std::uint32_t value) {
    const DWORD data = value;
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, kSubKey, "IM Color", REG_DWORD, &data, sizeof data),
              ERROR_SUCCESS);
}

std::optional<std::uint32_t> StoredImColor() {
    DWORD data = 0, size = sizeof data;
    if (::RegGetValueA(HKEY_CURRENT_USER, kSubKey, "IM Color", RRF_RT_REG_DWORD, nullptr, &data, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return data;
}

void DeleteMessengerKey() { ::RegDeleteKeyA(HKEY_CURRENT_USER, kSubKey); } // it holds values only

void Button(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

ColourPatch::ColourPatch(POINT centre, int size, COLORREF colour)
    : brush(::CreateSolidBrush(colour))
    , name(L"ColourPatch" + std::to_wstring(colour)) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const WNDCLASSW windowClass{0,       &::DefWindowProcW, 0,           0,       instance,
                                nullptr, nullptr,           brush.get(), nullptr, name.c_str()};
    ::RegisterClassW(&windowClass);
    window = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, name.c_str(), L"",
                               WS_POPUP, centre.x - size / 2, centre.y - size / 2, size, size, nullptr,
                               nullptr, instance, nullptr);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
}

ColourPatch::~ColourPatch() {
    ::DestroyWindow(window);
    ::UnregisterClassW(name.c_str(), ::GetModuleHandleW(nullptr));
}

void PumpMessages(const std::function<void()>& each) {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
        if (each) each();
    }
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds, const std::function<void()>& each) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages(each);
    }
    return true;
}

std::wstring TextOf(HWND window) {
    wchar_t text[64] = L"";
    ::GetWindowTextW(window, text, 64);
    return text;
}

COLORREF ScreenAt(POINT at) {
    const platform::UniqueWindowDc screen = platform::GetWindowDc(nullptr);
    return ::GetPixel(screen.get(), at.x, at.y);
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
    return ScreenAt(point);
}

TintoraWindow& WindowTest::Open() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    EXPECT_TRUE(TintoraWindow::Register(instance));
    form_.reset();
    PumpMessages();
    form_ = std::make_unique<TintoraWindow>();
    EXPECT_TRUE(form_->Create(instance));
    ::ShowWindow(form_->Hwnd(), SW_SHOWNORMAL);
    PumpMessages();
    return *form_;
}

TintoraWindow& WindowTest::OpenFocused(std::uint32_t stored, ControlId id) {
    StoreImColor(stored);
    ::SetForegroundWindow(Open().Hwnd());
    ::SetFocus(form_->Control(id));
    return *form_;
}

void WindowTest::Key(WPARAM key, BYTE held) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_SHIFT] = state[VK_CONTROL] = 0;
    if (held != 0) state[held] = 0x80;
    ::SetKeyboardState(state);
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
    ::PostMessageW(::GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    platform::PumpPendingMessages(form_->Hwnd());
    state[held] = 0;
    ::SetKeyboardState(state);
}

std::vector<HWND> WindowTest::Heard() {
    if (hook_ == nullptr)
        hook_ = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &OnWinEvent,
                                  ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    PumpMessages();
    return std::exchange(announced, {});
}

void WindowTest::Hold() {
    PointAt(picScreenColor, 5, 5);
    Button(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(WaitFor([&] { return Held(); })) << "the press did not reach the sampler";
}

void WindowTest::PointAt(ControlId id, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(form_->Control(id), &point);
    ::SetCursorPos(point.x, point.y);
}

void WindowTest::TearDown() {
    if (::GetAsyncKeyState(VK_LBUTTON) < 0) Button(MOUSEEVENTF_LEFTUP);
    if (hook_ != nullptr) ::UnhookWinEvent(hook_);
    form_.reset();
    PumpMessages(); // takes the WM_QUIT the window posted as it went
    DeleteMessengerKey();
}

} // namespace tintora::testing
