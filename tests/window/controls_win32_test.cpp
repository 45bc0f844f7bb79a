// The window's controls on the prefix's screen: at their places for its density, in fonts that fit
// every text they show, and picking the pixel under the pointer. CTest runs this program in a prefix
// with Wine's own fonts (MS Sans Serif among them) and in one with the system's fonts only
// (TINTORA_WINE_FONTS=none), each at 96, 144 and 192 dpi (TINTORA_TEST_DPI).
#include "window_fixture.h"

#include "platform/dpi_scale.h"
#include "window/arrow.h"
#include "window/geometry.h"

#include <cstdlib>
#include <string>
#include <vector>

using namespace tintora;
using namespace tintora::testing;
using platform::Scale;

namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool SystemHas(const wchar_t* face) {
    const platform::UniqueWindowDc screen = platform::GetWindowDc(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    ::EnumFontFamiliesExW(screen.get(), &wanted, &NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// Every text a readout can show: the numbers 0..240 or 0..255, or six hex digits. Text widths add up
// glyph by glyph, so six of each hex digit cover every hex text.
std::vector<std::wstring> TextsShown(ControlId id) {
    std::vector<std::wstring> texts;
    for (wchar_t digit : std::wstring(id == txtHexa ? L"0123456789ABCDEF" : L""))
        texts.push_back(std::wstring(6, digit));
    for (int value = 0; id != txtHexa && value <= (id <= txtLum ? 240 : 255); ++value)
        texts.push_back(std::to_wstring(value));
    return texts;
}

class Controls : public WindowTest {
protected:
    void SetUp() override {
        const char* dpi = std::getenv("TINTORA_TEST_DPI");
        dpi_ = dpi != nullptr ? std::atoi(dpi) : 96;
        const char* fonts = std::getenv("TINTORA_WINE_FONTS");
        fontless_ = fonts != nullptr && std::string(fonts) == "none";
        Open();
        ASSERT_EQ(form_->Dpi(), dpi_) << "the prefix's density did not reach the window";
    }
    // Labels are drawn by the window, in their room; the other controls draw their own texts.
    HFONT FontOf(const ControlLayout& layout) {
        return layout.kind == ControlKind::Label
                   ? form_->Controls().FontFor(layout)
                   : reinterpret_cast<HFONT>(::SendMessageW(form_->Control(layout.id), WM_GETFONT, 0, 0));
    }
    int dpi_ = 96;
    bool fontless_ = false;
};

} // namespace

TEST_F(Controls, EveryControlWithItsTextAtItsScaledPlace) {
    RECT client{};
    ::GetClientRect(form_->Hwnd(), &client);
    EXPECT_EQ(client.right, Scale(kClientWidth, dpi_));
    EXPECT_EQ(client.bottom, Scale(kClientHeight, dpi_));
    for (const ControlLayout& layout : kControls) {
        // Labels are no windows: the room each is drawn in is the geometry tests' part.
        if (layout.id == imgArrow || layout.kind == ControlKind::Label) continue;
        const platform::Edges edges =
            platform::ScaleEdges(layout.left, layout.top, layout.width, layout.height, dpi_);
        const HWND control = form_->Control(layout.id);
        RECT rect{};
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, form_->Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(rect.left == edges.left && rect.top == edges.top && rect.right == edges.right &&
                    rect.bottom == edges.bottom)
            << layout.id;
        EXPECT_EQ(::IsWindowVisible(control) != FALSE, !(layout.look & kHidden)) << layout.id;
        EXPECT_TRUE(layout.kind != ControlKind::Button || TextOf(control) == layout.text) << layout.id;
        EXPECT_FALSE(layout.kind == ControlKind::TextBox &&
                     (::GetWindowLongW(control, GWL_STYLE) & ES_READONLY))
            << "readouts take typing";
    }
}

// Where a press and the eyedropper land on the palette is the density arithmetic's tests' part, and
// that a click takes the colour shown, end to end; here, that the window uses it for each.
TEST_F(Controls, APressOrTheEyedropperTakesThePixelUnderThePointer) {
    const HWND palette = form_->Control(picColors);
    RECT box{};
    ::GetClientRect(palette, &box);
    // Screen pixels at the start, inside and at the end of enlarged palette pixels.
    for (POINT at : {POINT{Scale(101, dpi_), Scale(40, dpi_) + 1}, POINT{box.right - 1, box.bottom - 1}}) {
        const COLORREF shown = ScreenPixel(palette, at.x, at.y);
        const int x = platform::LogicalFromPhysical(at.x, dpi_),
                  y = platform::LogicalFromPhysical(at.y, dpi_);
        EXPECT_EQ(shown, PaletteAt(x, y));
        Click(picColors, at.x, at.y);
        EXPECT_EQ(Chosen(), shown) << at.x << "," << at.y;
        // The eyedropper's tip there: one pass of its loop, which the release waiting in the queue ends.
        Click(picColors, 5, 5);
        ::ClientToScreen(palette, &at);
        ::SetCursorPos(at.x, at.y);
        ::PostMessageW(form_->Control(picScreenColor), WM_LBUTTONUP, 0, 0);
        Press(form_->Control(picScreenColor), 1, 1);
        EXPECT_EQ(Chosen(), shown) << at.x << "," << at.y;
    }
    const HWND strip = form_->Control(picGradient);
    ::GetClientRect(strip, &box);
    for (const LONG y : {0L, box.bottom / 2, box.bottom - 1}) {
        Click(picGradient, box.right - 1, y);
        Presented();
        EXPECT_EQ(Marker(), platform::LogicalFromPhysical(y, dpi_)) << y;
        EXPECT_EQ(form_->ArrowPlace().top, ControlEdges(LayoutOf(imgArrow), dpi_, ArrowTopFor(Marker())).top)
            << y;
    }
}

// Where the system has MS Sans Serif the window keeps it, at 11 layout pixels and bold on Save. The
// hex readout may take another face: six of MS Sans Serif's widest hex digits are wider than its box.
TEST_F(Controls, EveryCaptionAndReadoutFitsItsBoxInItsOwnFontMsSansSerifWhereTheSystemHasIt) {
    ASSERT_EQ(SystemHas(L"MS Sans Serif"), !fontless_) << "the prefix does not have the fonts it should";
    for (const ControlLayout& layout : kControls) {
        if ((layout.look & kHidden) || layout.kind == ControlKind::PictureBox ||
            layout.kind == ControlKind::Image)
            continue; // no text
        LOGFONTW font{};
        ::GetObjectW(FontOf(layout), sizeof font, &font);
        if (!fontless_) {
            EXPECT_EQ(font.lfHeight, -Scale(11, dpi_)) << layout.id;
            EXPECT_EQ(font.lfWeight, (layout.look & kBold) ? FW_BOLD : FW_NORMAL) << layout.id;
        }
        const bool label = layout.kind == ControlKind::Label;
        const HWND control = label ? form_->Hwnd() : form_->Control(layout.id);
        ASSERT_NE(FontOf(layout), nullptr) << layout.id;
        const platform::UniqueWindowDc dc = platform::GetWindowDc(control);
        const platform::SelectionGuard selection(dc.get(), FontOf(layout));
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc.get(), &metrics);
        RECT client{};
        if (label) {
            const RECT room = form_->Controls().LabelBounds(layout);
            client = RECT{0, 0, room.right - room.left, room.bottom - room.top};
        } else {
            ::GetClientRect(control, &client);
        }
        // The characters' height within the box (the internal leading is room for accents).
        EXPECT_LE(metrics.tmHeight - metrics.tmInternalLeading, client.bottom) << layout.id;
        wchar_t faceName[LF_FACESIZE] = L"";
        ::GetTextFaceW(dc.get(), LF_FACESIZE, faceName);
        const std::wstring face = faceName;
        EXPECT_TRUE(fontless_ || dpi_ != 96 || layout.id == txtHexa || face == L"MS Sans Serif") << layout.id;
        RECT rect = client;
        switch (layout.kind) {
        case ControlKind::TextBox: {
            const LRESULT margins = ::SendMessageW(control, EM_GETMARGINS, 0, 0);
            const int room = client.right - LOWORD(margins) - HIWORD(margins);
            for (const std::wstring& text : TextsShown(layout.id)) {
                SIZE extent{};
                ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
                EXPECT_LE(extent.cx, room)
                    << layout.id << " cannot show " << std::string(text.begin(), text.end()) << " whole in "
                    << std::string(face.begin(), face.end());
            }
            break;
        }
        case ControlKind::Label:
            // Measured as if it could wrap: it must not need to. A right-aligned label's room ends at
            // the strip's arrow, so it never runs into it.
            ::DrawTextW(dc.get(), layout.text, -1, &rect, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
            EXPECT_LE(rect.right - rect.left, client.right) << layout.id << " is cut off";
            EXPECT_LE(rect.bottom - rect.top, metrics.tmHeight) << layout.id << " wraps to a second line";
            break;
        default: // a push button: its text inside the edge and the focus rectangle
            ::DrawTextW(dc.get(), layout.text, -1, &rect, DT_SINGLELINE | DT_CALCRECT);
            EXPECT_LE(rect.right - rect.left, client.right - 2 * (::GetSystemMetrics(SM_CXEDGE) + 1))
                << layout.id;
        }
    }
}
