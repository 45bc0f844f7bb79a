#include "platform/picture_box.h"

#include <windowsx.h>

namespace tintora::platform {

static_assert(ButtonsHeld(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL) ==
              (kLeftButton | kRightButton | kMiddleButton));
static_assert(ModifiersHeld(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL) ==
              (kShiftHeld | kCtrlHeld));

void DrawFocusFrame(HDC dc, const RECT& rect) noexcept {
    const COLORREF ink = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF paper = ::GetSysColor(COLOR_WINDOW);
    const auto dot = [&](int x, int y) { ::SetPixelV(dc, x, y, ((x + y) & 1) == 0 ? ink : paper); };
    for (int x = rect.left; x < rect.right; ++x) {
        dot(x, rect.top);
        dot(x, rect.bottom - 1);
    }
    for (int y = rect.top; y < rect.bottom; ++y) {
        dot(rect.left, y);
        dot(rect.right - 1, y);
    }
}

bool PictureBox::Register(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &BoundWindowProc<PictureBox>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

PictureBox::~PictureBox() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

bool PictureBox::Create(HWND parent, int id, const RECT& bounds, DWORD style, COLORREF background,
                        PictureBoxListener* listener, int dpi, SIZE model) {
    id_ = id;
    back_ = background;
    listener_ = listener;
    model_ = model;
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    hwnd_ = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS | style, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    if (hwnd_ == nullptr) return false;
    if (model_.cx > 0) {
        if (!surface_.Create(model_.cx, model_.cy)) return false;
        Redraw();
    }
    return Fit(dpi);
}

bool PictureBox::Place(const RECT& bounds, int dpi) noexcept {
    ::SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return Fit(dpi);
}

bool PictureBox::Fit(int dpi) noexcept {
    dpi_ = dpi;
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    client_ = SIZE{client.right, client.bottom};
    if (model_.cx == 0) {
        if (!surface_.Create(client_.cx, client_.cy)) return false;
        Redraw();
        return true;
    }
    // A model that fits the box exactly is shown as it is.
    if (client_.cx == model_.cx && client_.cy == model_.cy) {
        shown_.reset();
    } else {
        shown_.emplace();
        if (!shown_->Create(client_.cx, client_.cy)) return false;
    }
    Invalidate();
    return true;
}

void PictureBox::SetBackColor(COLORREF colour) noexcept {
    if (colour == back_ && !drawnOver_) return;
    back_ = colour;
    Redraw();
}

void PictureBox::SetPicture(HICON picture) noexcept {
    picture_ = picture;
    Redraw();
}

// The whole box is invalidated every time, so once is enough until it has been painted. (A hidden box
// drops the invalidation, but showing it invalidates all of it anyway.) The enlarged copy of a pixel
// model is stale either way.
void PictureBox::Invalidate() noexcept {
    shownStale_ = true;
    if (awaitsPaint_) return;
    awaitsPaint_ = ::InvalidateRect(hwnd_, nullptr, FALSE) != FALSE;
}

void PictureBox::Redraw() noexcept {
    surface_.Fill(0, 0, surface_.Width() - 1, surface_.Height() - 1, back_);
    if (picture_ != nullptr) ::DrawIconEx(surface_.Dc(), 0, 0, picture_, 0, 0, 0, nullptr, DI_NORMAL);
    drawnOver_ = false;
    Invalidate();
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1; // the surface covers every pixel
    case WM_LBUTTONDOWN: OnButtonDown(1, wParam, lParam); return 0;
    case WM_RBUTTONDOWN: OnButtonDown(2, wParam, lParam); return 0;
    case WM_MBUTTONDOWN: OnButtonDown(4, wParam, lParam); return 0;
    case WM_MOUSEMOVE: OnMove(wParam, lParam); return 0;
    case WM_LBUTTONUP: OnButtonUp(1, wParam, lParam); return 0;
    case WM_RBUTTONUP: OnButtonUp(2, wParam, lParam); return 0;
    case WM_MBUTTONUP: OnButtonUp(4, wParam, lParam); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN: return OnKeyDown(wParam) ? 0 : ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_SETFOCUS: OnFocus(true); return 0;
    case WM_KILLFOCUS: OnFocus(false); return 0;
    case WM_NCPAINT: OnNcPaint(wParam); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(); return 0;
    default: return OnOtherMessage(message, wParam, lParam);
    }
}

LRESULT PictureBox::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    LRESULT answer = 0;
    if (accessible_ != nullptr && AnswerAccessible(hwnd_, message, wParam, lParam, *accessible_, answer))
        return answer;
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void PictureBox::OnPaint() noexcept {
    awaitsPaint_ = false;
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    if (dc != nullptr && shown_) {
        if (shownStale_) shown_->Enlarge(surface_, dpi_);
        shownStale_ = false;
        shown_->Show(dc, paint.rcPaint);
    } else if (dc != nullptr) {
        surface_.Show(dc, paint.rcPaint);
    }
    ::EndPaint(hwnd_, &paint);
}

// Alt is not in a mouse message's key state and asking for it is a trip to the window server, too
// dear for every move; no handler reads it during a drag.
MouseEvent PictureBox::EventOf(int button, WPARAM keys, LPARAM point, bool withAlt) const noexcept {
    const int shift = ModifiersHeld(keys) | ((withAlt && ::GetKeyState(VK_MENU) < 0) ? kAltHeld : 0);
    // Signed: with the mouse captured the pointer can be left of or above the box.
    int x = GET_X_LPARAM(point);
    int y = GET_Y_LPARAM(point);
    if (model_.cx > 0) {
        x = ModelPosition(x, client_.cx, model_.cx, dpi_);
        y = ModelPosition(y, client_.cy, model_.cy, dpi_);
    }
    return MouseEvent{button, shift, static_cast<float>(x), static_cast<float>(y)};
}

void PictureBox::OnButtonDown(int button, WPARAM keys, LPARAM point) noexcept {
    if ((::GetWindowLongW(hwnd_, GWL_STYLE) & WS_TABSTOP) != 0) ::SetFocus(hwnd_);
    ::SetCapture(hwnd_);
    if (listener_ != nullptr) listener_->OnMouseDown(*this, EventOf(button, keys, point, true));
}

void PictureBox::OnMove(WPARAM keys, LPARAM point) noexcept {
    if (listener_ != nullptr) listener_->OnMouseMove(*this, EventOf(ButtonsHeld(keys), keys, point, false));
}

void PictureBox::OnButtonUp(int button, WPARAM keys, LPARAM point) noexcept {
    // The capture lasts until the last button held is let go.
    if (ButtonsHeld(keys) == 0 && ::GetCapture() == hwnd_) ::ReleaseCapture();
    if (listener_ != nullptr) listener_->OnMouseUp(*this, EventOf(button, keys, point, true));
}

void PictureBox::OnCaptureChanged() noexcept {
    if (listener_ != nullptr) listener_->OnCaptureLost(*this);
}

void PictureBox::SetFocusCue(bool shown) noexcept {
    if (shown == focusCue_) return;
    focusCue_ = shown;
    if ((::GetWindowLongW(hwnd_, GWL_STYLE) & WS_BORDER) != 0)
        ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool PictureBox::OnKeyDown(WPARAM key) noexcept {
    const int shift = ((::GetKeyState(VK_SHIFT) < 0) ? kShiftHeld : 0) |
                      ((::GetKeyState(VK_CONTROL) < 0) ? kCtrlHeld : 0) |
                      ((::GetKeyState(VK_MENU) < 0) ? kAltHeld : 0);
    return listener_ != nullptr && listener_->OnKeyDown(*this, KeyEvent{static_cast<int>(key), shift});
}

void PictureBox::OnFocus(bool focused) noexcept {
    focused_ = focused;
    if (listener_ != nullptr) listener_->OnFocusChanged(*this);
}

// The system paints the border, perhaps only part of it; the cue then covers all of it.
void PictureBox::OnNcPaint(WPARAM region) noexcept {
    ::DefWindowProcW(hwnd_, WM_NCPAINT, region, 0);
    if (!focusCue_ || (::GetWindowLongW(hwnd_, GWL_STYLE) & WS_BORDER) == 0) return;
    const UniqueWindowDc dc(::GetWindowDC(hwnd_), WindowDcReleaser{hwnd_});
    RECT border{};
    ::GetWindowRect(hwnd_, &border);
    ::OffsetRect(&border, -border.left, -border.top);
    DrawFocusFrame(dc.get(), border);
}

} // namespace tintora::platform
