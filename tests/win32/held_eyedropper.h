// What the eyedropper tests share: a real mouse button (SendInput), a patch of colour on top of
// everything for the pointer to rest on, and a fixture that holds the eyedropper on the real window.
#pragma once

#include "window_fixture.h"

#include "window/magnifier.h"

#include <chrono>
#include <functional>

namespace tintora::testing {

// Pumps messages, waiting for input between rounds, until the condition holds or the deadline passes.
inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

inline void Button(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

// A window on top of everything that the pointer can rest on: of one colour, or of two in a
// one-pixel checkerboard whose pixel at the point it is made around has the first.
class ColourPatch {
public:
    explicit ColourPatch(POINT at, int size = 40) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &ColourPatch::Proc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ColourPatch";
        ::RegisterClassW(&windowClass);
        hwnd_ = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"ColourPatch", L"",
                                  WS_POPUP, at.x - size / 2, at.y - size / 2, size, size, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    }
    ~ColourPatch() { ::DestroyWindow(hwnd_); }
    ColourPatch(const ColourPatch&) = delete;
    ColourPatch& operator=(const ColourPatch&) = delete;
    void Paint(COLORREF first, COLORREF second = CLR_INVALID) {
        first_ = first;
        second_ = second == CLR_INVALID ? first : second;
        ::InvalidateRect(hwnd_, nullptr, FALSE);
    }
    // A square of one colour, centred on a point of the patch.
    void Spot(POINT centre, int reach, COLORREF colour) {
        ::ScreenToClient(hwnd_, &centre);
        spot_ = RECT{centre.x - reach, centre.y - reach, centre.x + reach + 1, centre.y + reach + 1};
        spotColour_ = colour;
        ::InvalidateRect(hwnd_, nullptr, FALSE);
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        auto* self = reinterpret_cast<ColourPatch*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message != WM_PAINT || self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
        PAINTSTRUCT paint{};
        const HDC dc = ::BeginPaint(hwnd, &paint);
        const auto fill = [dc](const RECT& area, COLORREF colour) {
            const HBRUSH brush = ::CreateSolidBrush(colour);
            ::FillRect(dc, &area, brush);
            ::DeleteObject(brush);
        };
        fill(paint.rcPaint, self->first_);
        if (self->second_ != self->first_) {
            RECT client{};
            ::GetClientRect(hwnd, &client);
            // The centre pixel (size / 2 each way) has the first colour.
            const int parity = (client.right / 2 + client.bottom / 2) % 2;
            for (int y = paint.rcPaint.top; y < paint.rcPaint.bottom; ++y)
                for (int x = paint.rcPaint.left; x < paint.rcPaint.right; ++x)
                    if ((x + y) % 2 != parity) ::SetPixelV(dc, x, y, self->second_);
        }
        if (!::IsRectEmpty(&self->spot_)) fill(self->spot_, self->spotColour_);
        ::EndPaint(hwnd, &paint);
        return 0;
    }
    HWND hwnd_ = nullptr;
    COLORREF first_ = 0, second_ = 0, spotColour_ = 0;
    RECT spot_{};
};

class HeldEyedropper : public WindowTest {
protected:
    HWND Sampler() { return form_->Control(picScreenColor); }
    bool Held() { return form_->Box(picScreenColor).Picture() == nullptr; }
    static HWND Magnifier() { return ::FindWindowW(tintora::Magnifier::kClassName, nullptr); }
    static bool MagnifierShown() { return Magnifier() != nullptr && ::IsWindowVisible(Magnifier()); }
    POINT OnScreen(ControlId id, int x, int y) {
        POINT point{x, y};
        ::ClientToScreen(form_->Control(id), &point);
        return point;
    }
    // Presses a real left button on the sampler and waits until the window has it.
    void Hold() {
        const POINT at = OnScreen(picScreenColor, 5, 5);
        ::SetCursorPos(at.x, at.y);
        Button(MOUSEEVENTF_LEFTDOWN);
        ASSERT_TRUE(WaitFor([&] { return Held(); })) << "the press did not reach the sampler";
    }
    void TearDown() override {
        if (::GetAsyncKeyState(VK_LBUTTON) < 0) Button(MOUSEEVENTF_LEFTUP);
        WindowTest::TearDown();
    }
    POINT Palette(int x, int y) { return OnScreen(picColors, x, y); }
    COLORREF PaletteShown(int x, int y) {
        POINT client = Palette(x, y);
        ::ScreenToClient(form_->Hwnd(), &client);
        return ScreenPixel(form_->Hwnd(), client.x, client.y);
    }
};

} // namespace tintora::testing
