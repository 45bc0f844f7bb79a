// Every caption and readout fits its box in the font the control draws with, whatever fonts the
// prefix has. CTest runs this program in a prefix with Wine's own fonts (MS Sans Serif among them)
// and in one with the system's fonts only (TINTORA_WINE_FONTS=none), each at 96, 144 and 192 dpi
// (TINTORA_TEST_DPI).
#include "window_fixture.h"

#include "platform/dpi_scale.h"

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

bool HasText(const ControlLayout& layout) {
    return layout.kind == ControlKind::Label || layout.kind == ControlKind::TextBox ||
           layout.kind == ControlKind::Button;
}

class TextFit : public WindowTest {
protected:
    void SetUp() override {
        const char* dpi = std::getenv("TINTORA_TEST_DPI");
        dpi_ = dpi != nullptr ? std::atoi(dpi) : 96;
        const char* fonts = std::getenv("TINTORA_WINE_FONTS");
        fontless_ = fonts != nullptr && std::string(fonts) == "none";
        Open();
        ASSERT_EQ(form_->Dpi(), dpi_) << "the prefix's density did not reach the window";
    }
    int dpi_ = 96;
    bool fontless_ = false;
};

// A font selected into a window's device context.
struct ControlDc {
    ControlDc(HWND window, HFONT font)
        : dc(platform::GetWindowDc(window))
        , selection(dc.get(), font) {}
    std::wstring Face() const {
        wchar_t face[LF_FACESIZE] = L"";
        ::GetTextFaceW(dc.get(), LF_FACESIZE, face);
        return face;
    }
    platform::UniqueWindowDc dc;
    platform::SelectionGuard selection;
};

} // namespace

TEST_F(TextFit, EveryCaptionAndReadoutFitsItsBoxInItsOwnFont) {
    for (const ControlLayout& layout : kControls) {
        if ((layout.look & kHidden) || !HasText(layout)) continue;
        // Labels are drawn by the window, in their room; the other controls draw their own texts.
        const bool label = layout.kind == ControlKind::Label;
        const HWND control = label ? form_->Hwnd() : form_->Control(layout.id);
        const HFONT font = label ? form_->Controls().FontFor(layout)
                                 : reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << layout.id;
        const ControlDc dc(control, font);
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc.dc.get(), &metrics);
        RECT client{};
        if (label) {
            const RECT room = form_->Controls().LabelBounds(layout);
            client = RECT{0, 0, room.right - room.left, room.bottom - room.top};
        } else {
            ::GetClientRect(control, &client);
        }
        // The characters' height within the box (the internal leading is room for accents).
        EXPECT_LE(metrics.tmHeight - metrics.tmInternalLeading, client.bottom) << layout.id;
        switch (layout.kind) {
        case ControlKind::TextBox: {
            const LRESULT margins = ::SendMessageW(control, EM_GETMARGINS, 0, 0);
            const int room = client.right - LOWORD(margins) - HIWORD(margins);
            const std::wstring face = dc.Face();
            for (const std::wstring& text : TextsShown(layout.id)) {
                SIZE extent{};
                ::GetTextExtentPoint32W(dc.dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
                EXPECT_LE(extent.cx, room)
                    << layout.id << " cannot show " << std::string(text.begin(), text.end()) << " whole in "
                    << std::string(face.begin(), face.end());
            }
            break;
        }
        case ControlKind::Label: {
            // Measured as if it could wrap: it must not need to. A right-aligned label's room ends at
            // the strip's arrow, so it never runs into it.
            RECT rect = client;
            ::DrawTextW(dc.dc.get(), layout.text, -1, &rect, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
            EXPECT_LE(rect.right - rect.left, client.right) << layout.id << " is cut off";
            EXPECT_LE(rect.bottom - rect.top, metrics.tmHeight) << layout.id << " wraps to a second line";
            break;
        }
        default: { // a push button: its text inside the edge and the focus rectangle
            RECT rect = client;
            ::DrawTextW(dc.dc.get(), layout.text, -1, &rect, DT_SINGLELINE | DT_CALCRECT);
            EXPECT_LE(rect.right - rect.left, client.right - 2 * (::GetSystemMetrics(SM_CXEDGE) + 1))
                << layout.id;
            break;
        }
        }
    }
}

// Where the system has MS Sans Serif the window keeps it, bold on Save (its size at every density is
// the density tests' part). The hex readout may take another face: six of MS Sans Serif's widest hex
// digits are wider than its box.
TEST_F(TextFit, MsSansSerifWhereTheSystemHasIt) {
    ASSERT_EQ(SystemHas(L"MS Sans Serif"), !fontless_) << "the prefix does not have the fonts it should";
    if (fontless_) GTEST_SKIP() << "no MS Sans Serif in this prefix";
    for (const ControlLayout& layout : kControls) {
        if (!HasText(layout)) continue;
        LOGFONTW font{};
        const HFONT shown =
            layout.kind == ControlKind::Label
                ? form_->Controls().FontFor(layout)
                : reinterpret_cast<HFONT>(::SendMessageW(form_->Control(layout.id), WM_GETFONT, 0, 0));
        ::GetObjectW(shown, sizeof font, &font);
        EXPECT_EQ(font.lfWeight, (layout.look & kBold) ? FW_BOLD : FW_NORMAL) << layout.id;
        if (dpi_ == 96 && layout.id != txtHexa) {
            EXPECT_EQ(ControlDc(form_->Hwnd(), shown).Face(), L"MS Sans Serif") << layout.id;
        }
    }
}
