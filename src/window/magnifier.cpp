#include "window/magnifier.h"

#include "platform/display.h"
#include "platform/dpi.h"

#include <algorithm>

namespace tintora {
namespace {

// Long enough for the windows it uncovered to paint there again, a frame or two, and short enough
// that a still pointer over the very colour it showed there is soon read.
constexpr int kSettlingSamples = 8;
constexpr UINT kDpiChanged = 0x02E0; // WM_DPICHANGED, which older headers lack

// On top of everything, never activated, no taskbar button, and the mouse passes through it.
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;

bool RegisterClassOnce(HINSTANCE instance) noexcept {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &platform::BoundWindowProc<Magnifier>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = Magnifier::kClassName;
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

Magnifier::~Magnifier() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

bool Magnifier::Create(HWND owner) noexcept {
    if (hwnd_ != nullptr) return true;
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    if (!RegisterClassOnce(instance)) return false;
    ::CreateWindowExW(kExStyle, kClassName, L"Tintora magnifier", WS_POPUP, 0, 0, 1, 1, owner, nullptr,
                      instance, this);
    if (hwnd_ == nullptr) return false;
    platform::ExcludeFromCapture(hwnd_); // where Windows cannot, the placement alone keeps it out
    return true;
}

bool Magnifier::ClearOf(POINT tip) const noexcept {
    return !visible_ || !Overlap(place_, CapturedBlock({tip.x, tip.y}));
}

void Magnifier::Show(const platform::PixelView& block, POINT tip) noexcept {
    if (hwnd_ == nullptr || block.width != kMagnifiedSide || block.height != kMagnifiedSide || !PlaceAt(tip))
        return Hide();
    if (Redraw(block)) ::InvalidateRect(hwnd_, nullptr, FALSE);
    if (!visible_) {
        ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        visible_ = true;
    }
}

void Magnifier::Follow(POINT tip) noexcept {
    if (!visible_) return;
    vacated_ = place_;
    settling_ = kSettlingSamples;
    if (!PlaceAt(tip)) Hide();
}

bool Magnifier::MayBeItself(POINT tip, COLORREF read) noexcept {
    if (settling_ == 0) return false;
    --settling_;
    return drawn_ && shown_.View().Read(tip.x - vacated_.left, tip.y - vacated_.top) == read;
}

void Magnifier::Hide() noexcept {
    if (hwnd_ != nullptr && visible_) ::ShowWindow(hwnd_, SW_HIDE);
    visible_ = false;
}

// The monitor under the tip gives the density and the room; the window moves only when its place
// changes.
bool Magnifier::PlaceAt(POINT tip) noexcept {
    const HMONITOR monitor = ::MonitorFromPoint(tip, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(monitor, &info)) return false;
    const int dpi = platform::MonitorDpi(monitor);
    if (dpi != dpi_) {
        look_ = MagnifierLookAt(dpi);
        dpi_ = shown_.Create(look_.side, look_.side) ? dpi : 0;
        drawn_ = false;
        if (dpi_ == 0) return false;
    }
    const RECT& area = info.rcMonitor;
    const platform::Edges place =
        MagnifierPlace({tip.x, tip.y}, platform::Edges{area.left, area.top, area.right, area.bottom}, look_);
    if (visible_ && place == place_) return true;
    place_ = place;
    ::SetWindowPos(hwnd_, HWND_TOPMOST, place.left, place.top, look_.side, look_.side, SWP_NOACTIVATE);
    return true;
}

// Draws the block anew unless it is the one already shown; true when it drew.
bool Magnifier::Redraw(const platform::PixelView& block) noexcept {
    const std::uint32_t* begin = block.bits;
    const std::uint32_t* end = block.bits + block_.size();
    if (drawn_ && std::equal(begin, end, block_.begin())) return false;
    std::copy(begin, end, block_.begin());
    DrawMagnified(block, shown_.View(), look_);
    drawn_ = true;
    return true;
}

LRESULT Magnifier::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1; // the picture covers every pixel
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case kDpiChanged: return 0; // sized for its monitor at every move already
    default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void Magnifier::OnPaint() noexcept {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    if (drawn_) shown_.Show(dc, RECT{0, 0, shown_.Width(), shown_.Height()});
    ::EndPaint(hwnd_, &paint);
}

} // namespace tintora
