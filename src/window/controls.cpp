#include "window/controls.h"

#include "window/arrow.h"

#include <initializer_list>
#include <utility>

namespace tintora {
namespace {

constexpr std::array<ControlId, 7> kPictureBoxIds{picColors,      picGradient, picChosenColor, picCurrent,
                                                  picScreenColor, picMouse,    imgArrow};
constexpr COLORREF kSwatchStart = RGB(255, 0, 0); // swatches start red; start-up replaces them

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

std::size_t ControlSet::BoxIndexOf(ControlId id) noexcept {
    for (std::size_t i = 0; i < kPictureBoxIds.size(); ++i)
        if (kPictureBoxIds[i] == id) return i;
    return 0;
}

bool ControlSet::Create(HWND parent, int dpi, int arrowTop, platform::PictureBoxListener& listener) {
    parent_ = parent;
    dpi_ = dpi;
    font_ = MakeFont(false, dpi);
    boldFont_ = MakeFont(true, dpi);
    for (const ControlLayout& layout : kControls)
        if (!CreateControl(layout, arrowTop, listener)) return false;
    return true;
}

bool ControlSet::CreateControl(const ControlLayout& layout, int arrowTop,
                               platform::PictureBoxListener& listener) {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent_, GWLP_HINSTANCE));
    const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id));
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ((layout.look & kHidden) ? 0 : WS_VISIBLE) |
                  ((layout.look & kTabStop) ? WS_TABSTOP : 0);
    const RECT bounds = BoundsOf(layout, arrowTop);
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
        const bool quiet = layout.kind == ControlKind::Image || layout.id == picMouse;
        if (!box.Create(parent_, layout.id, bounds, style | (swatch ? WS_BORDER : 0), back,
                        quiet ? nullptr : &listener, dpi_, model))
            return false;
        control = box.Hwnd();
        break;
    }
    case ControlKind::Label:
        style |= SS_NOPREFIX | ((layout.look & kCentred) ? SS_CENTER : SS_RIGHT);
        control = ::CreateWindowExW(0, L"STATIC", layout.text, style, bounds.left, bounds.top, width, height,
                                    parent_, id, instance, nullptr);
        break;
    case ControlKind::TextBox:
        style |= ES_AUTOHSCROLL;
        control = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", layout.text, style, bounds.left, bounds.top,
                                    width, height, parent_, id, instance, nullptr);
        break;
    case ControlKind::Button:
        style |= BS_PUSHBUTTON;
        control = ::CreateWindowExW(0, L"BUTTON", layout.text, style, bounds.left, bounds.top, width, height,
                                    parent_, id, instance, nullptr);
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

void ControlSet::Place(int dpi, int arrowTop) {
    dpi_ = dpi;
    // The old fonts go at the end, when no control shows them any more.
    const platform::UniqueFont oldFont = std::exchange(font_, MakeFont(false, dpi));
    const platform::UniqueFont oldBoldFont = std::exchange(boldFont_, MakeFont(true, dpi));
    for (const ControlLayout& layout : kControls) {
        const RECT bounds = BoundsOf(layout, arrowTop);
        if (layout.kind == ControlKind::PictureBox || layout.kind == ControlKind::Image) {
            Box(layout.id).Place(bounds, dpi);
            continue;
        }
        const HWND control = Control(layout.id);
        ::SetWindowPos(control, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                       bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetFont(control, layout);
        if (layout.look & kRightAligned) FitLabel(control, layout);
    }
}

void ControlSet::MoveArrow(int arrowTop) noexcept {
    const RECT bounds = BoundsOf(LayoutOf(imgArrow), arrowTop);
    ::SetWindowPos(Control(imgArrow), nullptr, bounds.left, bounds.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlSet::SetFont(HWND control, const ControlLayout& layout) noexcept {
    ::SendMessageW(control, WM_SETFONT,
                   reinterpret_cast<WPARAM>((layout.look & kBold) ? boldFont_.get() : font_.get()), FALSE);
    // An outline font would bring margins that MS Sans Serif has not, and three digits would no
    // longer fit a readout.
    if (layout.kind == ControlKind::TextBox)
        ::SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

// Where a control goes at the window's density. The arrow's top edge follows the marker.
RECT ControlSet::BoundsOf(const ControlLayout& layout, int arrowTop) const noexcept {
    if (layout.id == imgArrow) {
        const int left = platform::Scale(kArrowLeft, dpi_);
        const int top = ArrowTopAt(arrowTop, dpi_);
        return RECT{left, top, left + platform::FirstPhysical(kArrowWidth, dpi_),
                    top + platform::FirstPhysical(kArrowHeight, dpi_)};
    }
    const platform::Edges edges =
        platform::ScaleEdges(layout.left, layout.top, layout.width, layout.height, dpi_);
    return RECT{edges.left, edges.top, edges.right, edges.bottom};
}

// Labels size themselves to their text and keep their right edge, whatever the font.
void ControlSet::FitLabel(HWND label, const ControlLayout& layout) noexcept {
    const RECT bounds = BoundsOf(layout, 0);
    SIZE extent{};
    {
        const platform::UniqueWindowDc dc = platform::GetWindowDc(label);
        platform::SelectionGuard selection(dc.get(), font_.get());
        ::GetTextExtentPoint32W(dc.get(), layout.text, lstrlenW(layout.text), &extent);
    }
    const int width = extent.cx > bounds.right - bounds.left ? extent.cx : bounds.right - bounds.left;
    ::MoveWindow(label, bounds.right - width, bounds.top, width, bounds.bottom - bounds.top, FALSE);
}

} // namespace tintora
