// The window itself: class registration, the controls of the layout, fonts, and the dispatch of
// messages to handlers. The handlers live beside the subject they serve (colour state, start-up,
// picking, saving).
#include "editor/frm_tintora.h"

#include "editor/marker.h"
#include "platform/dpi.h"

#include <commctrl.h>
#include <windowsx.h>

#include <initializer_list>
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

constexpr std::array<ControlId, 7> kPictureBoxIds{picColors,      picGradient, picChosenColor, picCurrent,
                                                  picScreenColor, picMouse,    imgArrow};
constexpr COLORREF kSwatchStart = RGB(255, 0, 0); // swatches start red; start-up replaces them

// The layout lists the controls in the order of their ids.
constexpr std::size_t IndexOf(ControlId id) { return static_cast<std::size_t>(id - picColors); }

std::size_t BoxIndexOf(ControlId id) {
    for (std::size_t i = 0; i < kPictureBoxIds.size(); ++i)
        if (kPictureBoxIds[i] == id) return i;
    return 0;
}

constexpr int kFontPixels = 11; // 8.25 points at 96 dpi

// Whether the font mapper gave the face asked for, with characters of about the height asked.
bool Realised(HFONT font, const wchar_t* face, int height) {
    const platform::UniqueWindowDc screen = platform::GetWindowDc(nullptr);
    const platform::SelectionGuard selection(screen.get(), font);
    wchar_t realised[LF_FACESIZE] = L"";
    TEXTMETRICW metrics{};
    ::GetTextFaceW(screen.get(), LF_FACESIZE, realised);
    ::GetTextMetricsW(screen.get(), &metrics);
    const int off = metrics.tmHeight - metrics.tmInternalLeading - height;
    return lstrcmpiW(realised, face) == 0 && off >= -1 && off <= 1;
}

// MS Sans Serif 8.25 pt. On Windows that face is a bitmap font with a few sizes only; at a density
// where it has none near the size, its outline twin Microsoft Sans Serif takes its place, and where
// neither serves, the system's dialog font at the same size.
platform::UniqueFont MakeFont(bool bold, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -platform::Scale(kFontPixels, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    for (const wchar_t* face : {L"MS Sans Serif", L"Microsoft Sans Serif"}) {
        lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
        platform::UniqueFont made(::CreateFontIndirectW(&font));
        if (Realised(made.get(), face, -font.lfHeight)) return made;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    lstrcpynW(font.lfFaceName, metrics.lfMessageFont.lfFaceName, LF_FACESIZE);
    return platform::UniqueFont(::CreateFontIndirectW(&font));
}

} // namespace

bool frmTintora::Register(HINSTANCE instance) {
    // Loads common controls 6, which the manifest asks for, so buttons and boxes look current.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (!platform::PictureBox::Register(instance)) return false;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &platform::BoundWindowProc<frmTintora>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = LoadWindowIcon(instance, true);
    windowClass.hIconSm = LoadWindowIcon(instance, false);
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

frmTintora::~frmTintora() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

bool frmTintora::Create(HINSTANCE instance) {
    palette_ = std::make_unique<const PalettePicture>();
    const auto centred = [this](int dpi) {
        const SIZE size = FrameSizeAt(dpi);
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const int left = work.left + (work.right - work.left - size.cx) / 2;
        const int top = work.top + (work.bottom - work.top - size.cy) / 2;
        return RECT{left, top, left + size.cx, top + size.cy};
    };
    // Sized at the system's density; the window knows its own monitor's once it exists.
    const int systemDpi = platform::SystemDpi();
    RECT frame = centred(systemDpi);
    ::CreateWindowExW(kExStyle, kClassName, kWindowTitle, kStyle, frame.left, frame.top,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr) return false;
    if (dpi_ != systemDpi) {
        SetIcons();
        frame = centred(dpi_);
        ::SetWindowPos(hwnd_, nullptr, frame.left, frame.top, frame.right - frame.left,
                       frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    PresentReadouts(); // the first paint already shows the readouts
    return true;
}

HWND frmTintora::Control(ControlId id) const noexcept { return controls_[IndexOf(id)]; }

platform::PictureBox& frmTintora::Box(ControlId id) noexcept { return boxes_[BoxIndexOf(id)]; }

LRESULT frmTintora::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_CTLCOLORSTATIC:
        return OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE: OnActivate(LOWORD(wParam)); return 0;
    case WM_SETFOCUS: ::SetFocus(focus_ != nullptr ? focus_ : Control(picColors)); return 0;
    case kPresentMessage: PresentReadouts(); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_GETDPISCALEDSIZE:
        return OnGetDpiScaledSize(static_cast<int>(wParam), reinterpret_cast<SIZE*>(lParam));
    case WM_CLOSE: cmdClose_Click(); return 0;
    case WM_CHANGEUISTATE: return OnChangeUiState(wParam, lParam);
    case WM_QUERYUISTATE: return OnQueryUiState();
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

bool frmTintora::OnCreate() {
    dpi_ = platform::WindowDpi(hwnd_);
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    if (!pictures_.Load(instance, dpi_)) return false;
    font_ = MakeFont(false, dpi_);
    boldFont_ = MakeFont(true, dpi_);
    for (const ControlLayout& layout : kControls)
        if (!CreateControl(layout)) return false;
    Box(picColors).SetPixels(palette_->Pixels());
    Box(picScreenColor).SetPicture(pictures_.Eyedropper());
    Box(picMouse).SetPicture(pictures_.EyedropperCopy());
    Box(imgArrow).SetPicture(pictures_.Arrow());
    Form_Load();
    MakeControlsAccessible();
    return true;
}

// While sampling, the pointer stays the eyedropper over every part of the window.
LRESULT frmTintora::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (pointer_ != Pointer::Eyedropper) return ::DefWindowProcW(hwnd_, WM_SETCURSOR, wParam, lParam);
    ::SetCursor(pictures_.Eyedropper());
    return TRUE;
}

bool frmTintora::CreateControl(const ControlLayout& layout) {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id));
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ((layout.look & kHidden) ? 0 : WS_VISIBLE) |
                  ((layout.look & kTabStop) ? WS_TABSTOP : 0);
    const RECT bounds = BoundsOf(layout);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    HWND control = nullptr;
    switch (layout.kind) {
    case ControlKind::PictureBox:
    case ControlKind::Image: {
        platform::PictureBox& box = Box(layout.id);
        const bool swatch = (layout.look & kBordered) != 0;
        const COLORREF back = layout.kind == ControlKind::Image ? ::GetSysColor(COLOR_BTNFACE)
                              : (layout.id == picChosenColor || layout.id == picCurrent)
                                  ? kSwatchStart
                                  : ::GetSysColor(COLOR_WINDOW);
        const SIZE model = (layout.look & kPixelModel) ? SIZE{layout.width, layout.height} : SIZE{0, 0};
        if (!box.Create(hwnd_, layout.id, bounds, style | (swatch ? WS_BORDER : 0), back,
                        layout.kind == ControlKind::Image || layout.id == picMouse ? nullptr : this, dpi_,
                        model))
            return false;
        control = box.Hwnd();
        break;
    }
    case ControlKind::Label: {
        style |= SS_NOPREFIX | ((layout.look & kCentred) ? SS_CENTER : SS_RIGHT);
        control = ::CreateWindowExW(0, L"STATIC", layout.text, style, bounds.left, bounds.top, width, height,
                                    hwnd_, id, instance, nullptr);
        break;
    }
    case ControlKind::TextBox:
        style |= ES_READONLY | ES_AUTOHSCROLL;
        control = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", layout.text, style, bounds.left, bounds.top,
                                    width, height, hwnd_, id, instance, nullptr);
        if (control != nullptr) {
            ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            editProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&frmTintora::ReadoutProc)));
        }
        break;
    case ControlKind::Button:
        style |= BS_PUSHBUTTON;
        control = ::CreateWindowExW(0, L"BUTTON", layout.text, style, bounds.left, bounds.top, width, height,
                                    hwnd_, id, instance, nullptr);
        break;
    }
    if (control == nullptr) return false;
    controls_[IndexOf(layout.id)] = control;
    // Labels lie beneath every other control (a label's last row meets a swatch's border). Tab
    // order is unchanged: labels take no focus.
    if (layout.kind == ControlKind::Label)
        ::SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetFont(control, layout);
    if (layout.look & kRightAligned) FitLabel(control, layout);
    return true;
}

void frmTintora::SetFont(HWND control, const ControlLayout& layout) noexcept {
    ::SendMessageW(control, WM_SETFONT,
                   reinterpret_cast<WPARAM>((layout.look & kBold) ? boldFont_.get() : font_.get()), FALSE);
    // An outline font would bring margins that MS Sans Serif has not, and three digits would no
    // longer fit a readout.
    if (layout.kind == ControlKind::TextBox)
        ::SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

// Where a control goes at the window's density. The arrow's top edge follows the marker.
RECT frmTintora::BoundsOf(const ControlLayout& layout) const noexcept {
    if (layout.id == imgArrow) {
        const int left = platform::Scale(kArrowLeft, dpi_);
        const int top = ArrowTopAt(arrowTop_, dpi_);
        return RECT{left, top, left + platform::FirstPhysical(kArrowWidth, dpi_),
                    top + platform::FirstPhysical(kArrowHeight, dpi_)};
    }
    const platform::Edges edges =
        platform::ScaleEdges(layout.left, layout.top, layout.width, layout.height, dpi_);
    return RECT{edges.left, edges.top, edges.right, edges.bottom};
}

// Labels size themselves to their text and keep their right edge, whatever the font.
void frmTintora::FitLabel(HWND label, const ControlLayout& layout) noexcept {
    const RECT bounds = BoundsOf(layout);
    SIZE extent{};
    {
        const platform::UniqueWindowDc dc = platform::GetWindowDc(label);
        platform::SelectionGuard selection(dc.get(), font_.get());
        ::GetTextExtentPoint32W(dc.get(), layout.text, lstrlenW(layout.text), &extent);
    }
    const int width = extent.cx > bounds.right - bounds.left ? extent.cx : bounds.right - bounds.left;
    ::MoveWindow(label, bounds.right - width, bounds.top, width, bounds.bottom - bounds.top, FALSE);
}

// The class's icons are the system density's; a window on a monitor of another density takes its
// own. The ones it had go once it has the new ones.
void frmTintora::SetIcons() noexcept {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    const platform::UniqueIcon oldIcon = std::exchange(icon_, LoadWindowIconAt(instance, true, dpi_));
    const platform::UniqueIcon oldSmallIcon =
        std::exchange(smallIcon_, LoadWindowIconAt(instance, false, dpi_));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

SIZE frmTintora::FrameSizeAt(int dpi) const noexcept {
    return platform::FrameSize(platform::Scale(kClientWidth, dpi), platform::Scale(kClientHeight, dpi),
                               kStyle, kExStyle, dpi);
}

// Before a move to a monitor of another density, Windows asks what size the window will be there.
LRESULT frmTintora::OnGetDpiScaledSize(int dpi, SIZE* size) const noexcept {
    *size = FrameSizeAt(dpi);
    return TRUE;
}

// The window is now on a monitor of another density (or the user changed it): the layout, fonts and
// pictures are made anew for it, and the window takes the place Windows suggests.
void frmTintora::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    // The old fonts and pictures go at the end, when no control shows them any more.
    const platform::UniqueFont oldFont = std::exchange(font_, MakeFont(false, dpi));
    const platform::UniqueFont oldBoldFont = std::exchange(boldFont_, MakeFont(true, dpi));
    Pictures pictures;
    if (pictures.Load(instance, dpi)) std::swap(pictures_, pictures);
    for (const ControlLayout& layout : kControls) {
        if (layout.kind == ControlKind::PictureBox || layout.kind == ControlKind::Image) {
            Box(layout.id).Place(BoundsOf(layout), dpi);
            continue;
        }
        const HWND control = Control(layout.id);
        const RECT bounds = BoundsOf(layout);
        ::SetWindowPos(control, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                       bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetFont(control, layout);
        if (layout.look & kRightAligned) FitLabel(control, layout);
    }
    // While sampling the sampler stands empty and the pointer is the eyedropper.
    if (Box(picScreenColor).Picture() != nullptr) Box(picScreenColor).SetPicture(pictures_.Eyedropper());
    Box(picMouse).SetPicture(pictures_.EyedropperCopy());
    Box(imgArrow).SetPicture(pictures_.Arrow());
    if (pointer_ == Pointer::Eyedropper) ::SetCursor(pictures_.Eyedropper());
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

// Leaving the window remembers which control had the focus; coming back gives it back.
void frmTintora::OnActivate(int state) {
    if (state != WA_INACTIVE) return;
    const HWND focused = ::GetFocus();
    if (focused != nullptr && ::IsChild(hwnd_, focused)) focus_ = focused;
}

// The readout boxes: whoever reads a text, in this program or another, reads what the colour state
// says, even when the box has not been rewritten yet.
LRESULT CALLBACK frmTintora::ReadoutProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<frmTintora*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if ((message == WM_GETTEXT || message == WM_GETTEXTLENGTH) && form->presentRequested_)
        form->PresentReadouts();
    return ::CallWindowProcW(form->editProc_, hwnd, message, wParam, lParam);
}

void frmTintora::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case cmdRandom: cmdRandom_Click(); break;
    case cmdSaveColor: cmdSaveColor_Click(); break;
    case cmdClose: cmdClose_Click(); break;
    default: break; // Enter and Esc arrive as IDOK and IDCANCEL; no button answers to them
    }
    AnnounceChosenColour();
}

void frmTintora::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    const HBRUSH frame = ::GetSysColorBrush(COLOR_WINDOWTEXT);
    for (const FrameLayout& shape : {shpColors, shpGradient}) {
        // One layout pixel wide, as many screen pixels as that scales to.
        const platform::Edges out =
            platform::ScaleEdges(shape.left, shape.top, shape.width, shape.height, dpi_);
        const platform::Edges in =
            platform::ScaleEdges(shape.left + 1, shape.top + 1, shape.width - 2, shape.height - 2, dpi_);
        const RECT sides[] = {{out.left, out.top, out.right, in.top},
                              {out.left, in.bottom, out.right, out.bottom},
                              {out.left, in.top, in.left, in.bottom},
                              {in.right, in.top, out.right, in.bottom}};
        for (const RECT& side : sides)
            ::FillRect(dc, &side, frame);
    }
    PaintFocusCues(dc);
    ::EndPaint(hwnd_, &paint);
}

LRESULT frmTintora::OnColorStatic(HDC dc, HWND control) {
    // Read-only boxes would paint grey; readouts look like the text boxes they are.
    const int id = ::GetDlgCtrlID(control);
    const bool readout = id >= txtHue && id <= txtBlue;
    if (readout || id == txtHexa) {
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    }
    return ::DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(control));
}

void frmTintora::OnMouseDown(platform::PictureBox& box, const platform::MouseEvent& e) {
    switch (box.Id()) {
    case picColors: picColors_MouseDown(e.button, e.shift, e.x, e.y); break;
    case picGradient: picGradient_MouseDown(e.button, e.shift, e.x, e.y); break;
    case picScreenColor: picScreenColor_MouseDown(e.button, e.shift, e.x, e.y); break;
    default: break;
    }
}

void frmTintora::OnMouseMove(platform::PictureBox& box, const platform::MouseEvent& e) {
    switch (box.Id()) {
    case picColors: picColors_MouseMove(e.button, e.shift, e.x, e.y); break;
    case picGradient: picGradient_MouseMove(e.button, e.shift, e.x, e.y); break;
    default: break;
    }
}

void frmTintora::OnMouseUp(platform::PictureBox& box, const platform::MouseEvent& e) {
    switch (box.Id()) {
    case picColors: picColors_MouseUp(e.button, e.shift, e.x, e.y); break;
    case picGradient: picGradient_MouseUp(e.button, e.shift, e.x, e.y); break;
    case picScreenColor: picScreenColor_MouseUp(e.button, e.shift, e.x, e.y); break;
    default: break;
    }
    AnnounceChosenColour(); // once, at the end of a drag or of sampling
}

} // namespace tintora
