// The window's fixed layout: every control with its place and size in client pixels at 96 dpi (on
// denser screens the window scales it), listed in tab order, which is also the order the window
// creates them in (so the z-order that dialog navigation walks is the tab order).
#pragma once

#include <array>
#include <cstdint>

namespace tintora {

inline constexpr int kClientWidth = 290;
inline constexpr int kClientHeight = 275;
inline constexpr const wchar_t* kWindowTitle = L"Tintora!";

// Control identifiers. They start above IDOK and IDCANCEL, which dialog navigation sends for
// Enter and Esc; no control may answer to those.
enum ControlId : int {
    picColors = 1001,
    picGradient,
    picChosenColor,
    txtHue,
    txtSat,
    txtLum,
    txtRed,
    txtGreen,
    txtBlue,
    lblHue,
    lblSat,
    lblLum,
    lblRed,
    lblGreen,
    lblBlue,
    lblCurrent,
    picCurrent,
    lblNew,
    cmdSaveColor,
    cmdClose,
    cmdRandom,
    picScreenColor,
    picMouse,
    lblPicker,
    lblQuorvane,
    txtHexa,
    lblHexa,
    imgArrow,
};

enum class ControlKind : std::uint8_t { Label, TextBox, Button, PictureBox, Image };

enum ControlLook : std::uint8_t {
    kPlain = 0,
    kCentred = 1,      // label text centred
    kRightAligned = 2, // label sized to its text, right edge fixed
    kBold = 4,         // bold font
    kBordered = 8,     // one-pixel flat border around a picture box
    kHidden = 16,      // never shown
    kTabStop = 32,     // takes the focus with Tab
    kPixelModel = 64,  // a picture box whose drawing keeps its pixel size on denser screens
};

struct ControlLayout {
    ControlId id;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    std::uint8_t look;
    const wchar_t* text;
};

inline constexpr int kArrowLeft = 200;
inline constexpr int kArrowWidth = 8;
inline constexpr int kArrowHeight = 9;
inline constexpr int kArrowTipRow = 4;

// The two frames drawn by the window itself, one pixel outside the palette and the strip.
struct FrameLayout {
    int left;
    int top;
    int width;
    int height;
};
inline constexpr FrameLayout shpColors{8, 16, 177, 173};
inline constexpr FrameLayout shpGradient{184, 16, 13, 173};

inline constexpr ControlLayout kCredit{lblQuorvane, ControlKind::Label,          8, 0, 193, 13,
                                       kCentred,    L"\u00A9 2025-2026 Quorvane"};

// In tab order.
inline constexpr std::array<ControlLayout, 28> kControls{{
    {picColors, ControlKind::PictureBox, 9, 17, 175, 171, kPixelModel | kTabStop, nullptr},
    {picGradient, ControlKind::PictureBox, 185, 17, 11, 171, kPixelModel | kTabStop, nullptr},
    {picChosenColor, ControlKind::PictureBox, 80, 208, 60, 42, kBordered | kTabStop, nullptr},
    {txtHue, ControlKind::TextBox, 260, 91, 24, 19, kTabStop, L""},
    {txtSat, ControlKind::TextBox, 260, 115, 24, 19, kTabStop, L""},
    {txtLum, ControlKind::TextBox, 260, 139, 24, 19, kTabStop, L""},
    {txtRed, ControlKind::TextBox, 260, 19, 24, 19, kTabStop, L""},
    {txtGreen, ControlKind::TextBox, 260, 43, 24, 19, kTabStop, L""},
    {txtBlue, ControlKind::TextBox, 260, 67, 24, 19, kTabStop, L""},
    {lblHue, ControlKind::Label, 232, 94, 23, 13, kRightAligned, L"Hue:"},
    {lblSat, ControlKind::Label, 237, 118, 19, 13, kRightAligned, L"Sat:"},
    {lblLum, ControlKind::Label, 232, 142, 23, 13, kRightAligned, L"Lum:"},
    {lblRed, ControlKind::Label, 233, 22, 23, 13, kRightAligned, L"Red:"},
    {lblGreen, ControlKind::Label, 224, 46, 32, 13, kRightAligned, L"Green:"},
    {lblBlue, ControlKind::Label, 233, 70, 24, 13, kRightAligned, L"Blue:"},
    {lblCurrent, ControlKind::Label, 8, 192, 60, 17, kCentred, L"Current"},
    {picCurrent, ControlKind::PictureBox, 8, 208, 60, 42, kBordered | kTabStop, nullptr},
    {lblNew, ControlKind::Label, 80, 192, 60, 17, kCentred, L"New"},
    {cmdSaveColor, ControlKind::Button, 212, 218, 73, 26, kBold | kTabStop, L"&Save"},
    {cmdClose, ControlKind::Button, 212, 244, 73, 26, kTabStop, L"E&xit"},
    {cmdRandom, ControlKind::Button, 212, 192, 73, 26, kTabStop, L"&Random"},
    {picScreenColor, ControlKind::PictureBox, 164, 216, 23, 23, kBordered | kTabStop, nullptr},
    {picMouse, ControlKind::PictureBox, 0, 0, 33, 33, kHidden, nullptr},
    {lblPicker, ControlKind::Label, 142, 192, 65, 17, kCentred, L"Color Picker"},
    kCredit,
    {txtHexa, ControlKind::TextBox, 236, 163, 48, 19, kTabStop, L"000000"},
    {lblHexa, ControlKind::Label, 226, 165, 7, 13, kRightAligned, L"#"},
    {imgArrow, ControlKind::Image, kArrowLeft, 8, kArrowWidth, kArrowHeight, kPlain, nullptr},
}};

// The table is in id order, so a control's entry is found by its id alone.
constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].id != picColors + static_cast<int>(i)) return false;
    return true;
}
static_assert(InIdOrder(), "kControls lists the controls in the order of their ids");

constexpr const ControlLayout& LayoutOf(ControlId id) {
    return kControls[static_cast<std::size_t>(id - picColors)];
}

inline constexpr int kStripTop = LayoutOf(picGradient).top;

// What a screen reader calls each control; nullptr where the control's own text serves.
constexpr const wchar_t* SpokenNameOf(ControlId id) {
    switch (id) {
    case picColors: return L"Colour palette";
    case picGradient: return L"Luminance";
    case picChosenColor: return L"New colour";
    case picCurrent: return L"Current colour";
    case picScreenColor: return L"Colour picker: hold and drag over the screen";
    case imgArrow: return L"Luminance marker";
    case txtHue: return L"Hue";
    case txtSat: return L"Sat";
    case txtLum: return L"Lum";
    case txtRed: return L"Red";
    case txtGreen: return L"Green";
    case txtBlue: return L"Blue";
    case txtHexa: return L"#";
    default: return nullptr;
    }
}

} // namespace tintora
