// The window itself: class registration, creation at the monitor's density, the dispatch of messages
// to handlers, the frames it paints, and a move to a monitor of another density.
#include "window/tintora_window.h"

#include "messenger/im_colour.h"
#include "platform/dpi.h"
#include "window/geometry.h"

#include "platform/system_functions.h"
#include <windowsx.h>

#include <chrono>
#include <utility>

// Windows 8.1 and 10 send these; older headers may not name them.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace tintora {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

SIZE FrameSizeAt(int dpi) noexcept {
    return platform::FrameSize(platform::Scale(kClientWidth, dpi), platform::Scale(kClientHeight, dpi),
                               kStyle, kExStyle, dpi);
}

HINSTANCE InstanceOf(HWND window) noexcept {
    return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

} // namespace

bool TintoraWindow::Register(HINSTANCE instance) {
    // Loads common controls 6, which the manifest asks for, so buttons and boxes look current.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    platform::sys::InitCommonControlsEx(&controls);
    if (!platform::PictureBox::Register(instance)) return false;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &platform::BoundWindowProc<TintoraWindow>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = LoadWindowIcon(instance, true);
    windowClass.hIconSm = LoadWindowIcon(instance, false);
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

TintoraWindow::TintoraWindow()
    : palette_(std::make_unique<const PalettePicture>())
    , random_(
          static_cast<RandomEngine::result_type>(std::chrono::system_clock::now().time_since_epoch().count()))
    , focusCues_(controls_, *palette_) {}

TintoraWindow::~TintoraWindow() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

bool TintoraWindow::Create(HINSTANCE instance) {
    const auto centred = [](int dpi) {
        const SIZE size = FrameSizeAt(dpi);
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        return CentredIn({work.left, work.top, work.right, work.bottom}, size.cx, size.cy);
    };
    // Sized at the system's density; the window knows its own monitor's once it exists.
    const int systemDpi = platform::SystemDpi();
    platform::Edges frame = centred(systemDpi);
    ::CreateWindowExW(kExStyle, kClassName, kWindowTitle, kStyle, frame.left, frame.top,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr) return false;
    if (Dpi() != systemDpi) {
        SetIcons();
        frame = centred(Dpi());
        ::SetWindowPos(hwnd_, nullptr, frame.left, frame.top, frame.right - frame.left,
                       frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

LRESULT TintoraWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam)); return 0;
    case WM_SETFOCUS: ::SetFocus(focus_ != nullptr ? focus_ : Control(picColors)); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_GETDPISCALEDSIZE:
        *reinterpret_cast<SIZE*>(lParam) = FrameSizeAt(static_cast<int>(wParam));
        return TRUE;
    case WM_CLOSE: Close(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_CANCELMODE: EndSampling(false); return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_COPY: CopyColour(); return 0;
    case WM_PASTE: PasteColour(); return 0;
    case WM_CHANGEUISTATE: return OnChangeUiState(wParam, lParam);
    case WM_QUERYUISTATE: return focusCues_.OnQueryUiState(hwnd_);
    case kShownMessage: OnShown(); return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

// Inside WM_CREATE, before the window is first shown: the controls, and the model started from the
// colour Messenger has stored.
bool TintoraWindow::OnCreate() noexcept {
    const int dpi = platform::WindowDpi(hwnd_);
    if (!pictures_.Load(InstanceOf(hwnd_), dpi)) return false;
    if (!controls_.Create(hwnd_, dpi, view_.ShownArrowTop(), *this)) return false;
    view_.Attach(hwnd_, kFrameTimer);
    controls_.Box(picColors).SetPixels(palette_->Pixels());
    controls_.Box(picScreenColor).SetPicture(pictures_.Eyedropper());
    controls_.Box(picMouse).SetPicture(pictures_.EyedropperCopy());
    model_.Start(ReadImColour());
    view_.Present();
    // What no one can use before the window is on the screen waits until it is.
    ::PostMessageW(hwnd_, kShownMessage, 0, 0);
    return true;
}

// Once the window has been shown: the readout boxes follow the model when asked and take typing, and
// every control speaks to screen readers. Until then nothing can ask, so showing the window does not
// wait for them.
void TintoraWindow::OnShown() noexcept {
    view_.AttachReadouts();
    entries_.Attach(*this);
    spoken_.Attach();
}

// While sampling, the pointer stays the eyedropper over every part of the window.
LRESULT TintoraWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) noexcept {
    if (!eyedropper_.Held()) return ::DefWindowProcW(hwnd_, WM_SETCURSOR, wParam, lParam);
    ::SetCursor(pictures_.Eyedropper());
    return TRUE;
}

// The two frames around the palette and the strip, the labels, the arrow beside the marked row, then
// the focus cues over the frames.
void TintoraWindow::OnPaint() noexcept {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    const HBRUSH frame = ::GetSysColorBrush(COLOR_WINDOWTEXT);
    for (const FrameLayout& shape : {shpColors, shpGradient})
        for (const platform::Edges& side : FrameSides(shape, Dpi())) {
            const RECT rect{side.left, side.top, side.right, side.bottom};
            ::FillRect(dc, &rect, frame);
        }
    controls_.PaintLabels(dc);
    const RECT arrow = controls_.BoundsOf(LayoutOf(imgArrow), view_.ShownArrowTop());
    ::DrawIconEx(dc, arrow.left, arrow.top, pictures_.Arrow(), 0, 0, 0, nullptr, DI_NORMAL);
    focusCues_.Paint(hwnd_, dc);
    ::EndPaint(hwnd_, &paint);
}

// Leaving the window remembers which control had the focus; coming back gives it back.
void TintoraWindow::OnActivate(int state) noexcept {
    if (state != WA_INACTIVE) return;
    const HWND focused = ::GetFocus();
    if (focused != nullptr && ::IsChild(hwnd_, focused)) focus_ = focused;
}

LRESULT TintoraWindow::OnChangeUiState(WPARAM wParam, LPARAM lParam) noexcept {
    const LRESULT result = focusCues_.OnChangeUiState(hwnd_, wParam, lParam);
    focusCues_.Refresh(hwnd_, model_.PalettePick());
    return result;
}

// The class's icons are the system density's; a window on a monitor of another density takes its
// own. The ones it had go once it has the new ones.
void TintoraWindow::SetIcons() noexcept {
    const platform::UniqueIcon oldIcon =
        std::exchange(icon_, LoadWindowIconAt(InstanceOf(hwnd_), true, Dpi()));
    const platform::UniqueIcon oldSmallIcon =
        std::exchange(smallIcon_, LoadWindowIconAt(InstanceOf(hwnd_), false, Dpi()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

// The window is now on a monitor of another density (or the user changed it): the layout, fonts and
// pictures are made anew for it, and the window takes the place Windows suggests.
void TintoraWindow::OnDpiChanged(int dpi, const RECT& suggested) noexcept {
    Pictures pictures;
    if (pictures.Load(InstanceOf(hwnd_), dpi))
        std::swap(pictures_, pictures); // the old go when nothing shows them
    controls_.Place(dpi, view_.ShownArrowTop());
    // While sampling the sampler stands empty and the pointer is the eyedropper.
    if (!eyedropper_.Held()) controls_.Box(picScreenColor).SetPicture(pictures_.Eyedropper());
    controls_.Box(picMouse).SetPicture(pictures_.EyedropperCopy());
    if (eyedropper_.Held()) ::SetCursor(pictures_.Eyedropper());
    SetIcons();
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame does not scale with the density (per-monitor awareness of Windows 8.1), the
    // suggested size leaves the client area a few pixels off: make it exact.
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const int wider = platform::Scale(kClientWidth, dpi) - client.right;
    const int taller = platform::Scale(kClientHeight, dpi) - client.bottom;
    if (wider != 0 || taller != 0)
        ::SetWindowPos(hwnd_, nullptr, 0, 0, suggested.right - suggested.left + wider,
                       suggested.bottom - suggested.top + taller, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace tintora
