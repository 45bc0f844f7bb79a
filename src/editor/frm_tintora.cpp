// The window itself: class registration, the controls of the layout, fonts, and the dispatch of
// messages to handlers. The handlers live beside the subject they serve (colour state, start-up,
// picking, saving).
#include "editor/frm_tintora.h"

#include "editor/marker.h"

#include <windowsx.h>

namespace tintora {
namespace {

constexpr std::array<ControlId, 7> kPictureBoxIds{picColors,      picGradient, picChosenColor, picCurrent,
                                                  picScreenColor, picMouse,    imgArrow};
constexpr COLORREF kSwatchStart = RGB(255, 0, 0); // swatches start red; start-up replaces them

std::size_t IndexOf(ControlId id) {
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].id == id) return i;
    return 0;
}

std::size_t BoxIndexOf(ControlId id) {
    for (std::size_t i = 0; i < kPictureBoxIds.size(); ++i)
        if (kPictureBoxIds[i] == id) return i;
    return 0;
}

// MS Sans Serif 8.25 pt; where the face is missing, the system's dialog font at the same size.
platform::UniqueFont MakeFont(bool bold) {
    LOGFONTW font{};
    font.lfHeight = -11;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    platform::UniqueFont made(::CreateFontIndirectW(&font));
    const HDC screen = ::GetDC(nullptr);
    wchar_t face[LF_FACESIZE] = L"";
    {
        platform::SelectionGuard selection(screen, made.get());
        ::GetTextFaceW(screen, LF_FACESIZE, face);
    }
    ::ReleaseDC(nullptr, screen);
    if (lstrcmpiW(face, L"MS Sans Serif") == 0) return made;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    lstrcpynW(font.lfFaceName, metrics.lfMessageFont.lfFaceName, LF_FACESIZE);
    return platform::UniqueFont(::CreateFontIndirectW(&font));
}

} // namespace

bool frmTintora::Register(HINSTANCE instance) {
    if (!platform::PictureBox::Register(instance)) return false;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &frmTintora::WndProc;
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
    if (!pictures_.Load(instance)) return false;
    palette_ = std::make_unique<const PalettePicture>();
    font_ = MakeFont(false);
    boldFont_ = MakeFont(true);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    constexpr DWORD exStyle = WS_EX_CONTROLPARENT;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    ::CreateWindowExW(exStyle, kClassName, kWindowTitle, style, left, top, width, height, nullptr, nullptr,
                      instance, this);
    if (hwnd_ == nullptr) return false;
    PresentReadouts(); // the first paint already shows the readouts
    return true;
}

HWND frmTintora::Control(ControlId id) const noexcept { return controls_[IndexOf(id)]; }

platform::PictureBox& frmTintora::Box(ControlId id) noexcept { return boxes_[BoxIndexOf(id)]; }

LRESULT CALLBACK frmTintora::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<frmTintora*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<frmTintora*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (form != nullptr) form->hwnd_ = nullptr;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return form != nullptr ? form->HandleMessage(message, wParam, lParam)
                           : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

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
    case WM_CLOSE: cmdClose_Click(); return 0;
    case WM_CHANGEUISTATE: return OnChangeUiState(wParam, lParam);
    case WM_QUERYUISTATE: return OnQueryUiState();
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

bool frmTintora::OnCreate() {
    for (const ControlSpec& spec : kControls)
        if (!CreateControl(spec)) return false;
    platform::PictureBox& palette = Box(picColors);
    for (int y = 0; y < kPaletteHeight; ++y)
        for (int x = 0; x < kPaletteWidth; ++x)
            palette.SetPixel(x, y, palette_->At(x, y));
    palette.Invalidate();
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

bool frmTintora::CreateControl(const ControlSpec& spec) {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id));
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ((spec.look & kHidden) ? 0 : WS_VISIBLE) |
                  ((spec.look & kTabStop) ? WS_TABSTOP : 0);
    RECT bounds{spec.left, spec.top, spec.left + spec.width, spec.top + spec.height};
    HWND control = nullptr;
    switch (spec.kind) {
    case ControlKind::PictureBox:
    case ControlKind::Image: {
        platform::PictureBox& box = Box(spec.id);
        const bool swatch = (spec.look & kBordered) != 0;
        const COLORREF back = spec.kind == ControlKind::Image ? ::GetSysColor(COLOR_BTNFACE)
                              : (spec.id == picChosenColor || spec.id == picCurrent)
                                  ? kSwatchStart
                                  : ::GetSysColor(COLOR_WINDOW);
        if (!box.Create(hwnd_, spec.id, bounds, style | (swatch ? WS_BORDER : 0), back,
                        spec.kind == ControlKind::Image || spec.id == picMouse ? nullptr : this))
            return false;
        control = box.Hwnd();
        break;
    }
    case ControlKind::Label: {
        style |= SS_NOPREFIX | ((spec.look & kCentred) ? SS_CENTER : SS_RIGHT);
        control = ::CreateWindowExW(0, L"STATIC", spec.text, style, bounds.left, bounds.top, spec.width,
                                    spec.height, hwnd_, id, instance, nullptr);
        break;
    }
    case ControlKind::TextBox:
        style |= ES_READONLY | ES_AUTOHSCROLL;
        control = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", spec.text, style, bounds.left, bounds.top,
                                    spec.width, spec.height, hwnd_, id, instance, nullptr);
        if (control != nullptr) {
            ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            editProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&frmTintora::ReadoutProc)));
        }
        break;
    case ControlKind::Button:
        style |= BS_PUSHBUTTON;
        control = ::CreateWindowExW(0, L"BUTTON", spec.text, style, bounds.left, bounds.top, spec.width,
                                    spec.height, hwnd_, id, instance, nullptr);
        break;
    }
    if (control == nullptr) return false;
    controls_[IndexOf(spec.id)] = control;
    // Labels lie beneath every other control (a label's last row meets a swatch's border). Tab
    // order is unchanged: labels take no focus.
    if (spec.kind == ControlKind::Label)
        ::SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageW(control, WM_SETFONT,
                   reinterpret_cast<WPARAM>((spec.look & kBold) ? boldFont_.get() : font_.get()), FALSE);
    if (spec.look & kRightAligned) {
        // Labels size themselves to their text and keep their right edge, whatever the font.
        const HDC dc = ::GetDC(control);
        SIZE extent{};
        {
            platform::SelectionGuard selection(dc, font_.get());
            ::GetTextExtentPoint32W(dc, spec.text, lstrlenW(spec.text), &extent);
        }
        ::ReleaseDC(control, dc);
        const int width = extent.cx > spec.width ? extent.cx : spec.width;
        ::MoveWindow(control, spec.left + spec.width - width, spec.top, width, spec.height, FALSE);
    }
    return true;
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
    for (const FrameSpec& shape : {shpColors, shpGradient}) {
        const RECT outline{shape.left, shape.top, shape.left + shape.width, shape.top + shape.height};
        ::FrameRect(dc, &outline, frame);
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
