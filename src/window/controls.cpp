#include "window/controls.h"

#include "window/geometry.h"

#include <initializer_list>
#include <utility>

namespace tintora {
namespace {

constexpr std::array<ControlId, 6> kPictureBoxIds{picColors,  picGradient,    picChosenColor,
                                                  picCurrent, picScreenColor, picMouse};
constexpr COLORREF kSwatchStart = RGB(255, 0, 0); // swatches start red; start-up replaces them

} // namespace

std::size_t ControlSet::BoxIndexOf(ControlId id) noexcept {
    for (std::size_t i = 0; i < kPictureBoxIds.size(); ++i)
        if (kPictureBoxIds[i] == id) return i;
    return 0;
}

bool ControlSet::Create(HWND parent, int dpi, int arrowTop, platform::PictureBoxListener& listener) {
    parent_ = parent;
    dpi_ = dpi;
    fonts_ = ControlFonts::Make(dpi);
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
    case ControlKind::Image: return true; // the window draws the arrow itself
    case ControlKind::PictureBox: {
        platform::PictureBox& box = Box(layout.id);
        const bool swatch = (layout.look & kBordered) != 0;
        const COLORREF back = (layout.id == picChosenColor || layout.id == picCurrent)
                                  ? kSwatchStart
                                  : ::GetSysColor(COLOR_WINDOW);
        const SIZE model = (layout.look & kPixelModel) ? SIZE{layout.width, layout.height} : SIZE{0, 0};
        const bool quiet = layout.id == picMouse;
        if (!box.Create(parent_, layout.id, bounds, style | (swatch ? WS_BORDER : 0), back,
                        quiet ? nullptr : &listener, dpi_, model))
            return false;
        control = box.Hwnd();
        break;
    }
    case ControlKind::Label: return true; // the window draws the labels itself
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
    SetFont(control, layout);
    return true;
}

void ControlSet::Place(int dpi, int arrowTop) {
    dpi_ = dpi;
    // The old fonts go at the end, when no control shows them any more.
    const ControlFonts oldFonts = std::exchange(fonts_, ControlFonts::Make(dpi));
    for (const ControlLayout& layout : kControls) {
        const RECT bounds = BoundsOf(layout, arrowTop);
        if (layout.kind == ControlKind::Image || layout.kind == ControlKind::Label) continue;
        if (layout.kind == ControlKind::PictureBox) {
            Box(layout.id).Place(bounds, dpi);
            continue;
        }
        const HWND control = Control(layout.id);
        ::SetWindowPos(control, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                       bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetFont(control, layout);
    }
}

void ControlSet::SetFont(HWND control, const ControlLayout& layout) noexcept {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(layout)), FALSE);
    // An outline font would bring margins that MS Sans Serif has not, and three digits would no
    // longer fit a readout.
    if (layout.kind == ControlKind::TextBox)
        ::SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

RECT ControlSet::BoundsOf(const ControlLayout& layout, int arrowTop) const noexcept {
    const platform::Edges edges = ControlEdges(layout, dpi_, arrowTop);
    return RECT{edges.left, edges.top, edges.right, edges.bottom};
}

RECT ControlSet::LabelBounds(const ControlLayout& layout) const noexcept {
    const platform::Edges edges = LabelEdges(layout, dpi_);
    return RECT{edges.left, edges.top, edges.right, edges.bottom};
}

// Labels are drawn by the window, beneath every control (a label's last row meets a swatch's border):
// a window each would cost more to make and paint than the text itself.
void ControlSet::PaintLabels(HDC dc) const noexcept {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    for (const ControlLayout& layout : kControls) {
        if (layout.kind != ControlKind::Label) continue;
        RECT bounds = LabelBounds(layout);
        const platform::SelectionGuard font(dc, fonts_.For(layout));
        const UINT format = (layout.look & kCentred) ? DT_CENTER | DT_WORDBREAK : DT_RIGHT | DT_SINGLELINE;
        ::DrawTextW(dc, layout.text, -1, &bounds, format | DT_NOPREFIX);
    }
}

} // namespace tintora
