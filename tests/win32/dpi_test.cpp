// The window on a denser screen. CTest runs this program at 96 dpi, and with the prefix's LogPixels
// set to 144 and to 192 before it starts (TINTORA_TEST_DPI says which).
#include "window_fixture.h"

#include "platform/dpi.h"
#include "window/arrow.h"

#include <cstdlib>

using namespace tintora;
using namespace tintora::testing;
using platform::LogicalFromPhysical;
using platform::Scale;

namespace {

class Density : public WindowTest {
protected:
    void SetUp() override {
        const char* dpi = std::getenv("TINTORA_TEST_DPI");
        dpi_ = dpi != nullptr ? std::atoi(dpi) : 96;
        Open();
        ASSERT_EQ(form_->Dpi(), dpi_) << "the prefix's density did not reach the window";
    }
    COLORREF PressAt(HWND box, int x, int y) {
        Press(box, x, y);
        Release(box, x, y);
        return Chosen();
    }
    int Logical(int physical) const { return LogicalFromPhysical(physical, dpi_); }
    int dpi_ = 96;
};

} // namespace

TEST_F(Density, EveryControlWithItsTextAndFontAtItsScaledPlace) {
    RECT client{};
    ::GetClientRect(form_->Hwnd(), &client);
    EXPECT_EQ(client.right, Scale(kClientWidth, dpi_));
    EXPECT_EQ(client.bottom, Scale(kClientHeight, dpi_));
    for (const ControlLayout& layout : kControls) {
        if (layout.id == imgArrow) continue;
        const platform::Edges edges =
            platform::ScaleEdges(layout.left, layout.top, layout.width, layout.height, dpi_);
        const auto fontHeight = [](HFONT shown) {
            LOGFONTW font{};
            ::GetObjectW(shown, sizeof font, &font);
            return font.lfHeight;
        };
        if (layout.kind ==
            ControlKind::Label) { // drawn by the window: a right-aligned one keeps its right edge
            const RECT room = form_->Controls().LabelBounds(layout);
            EXPECT_TRUE(room.top == edges.top && room.right == edges.right && room.bottom == edges.bottom &&
                        room.left <= edges.left)
                << layout.id;
            EXPECT_EQ(fontHeight(form_->Controls().FontFor(layout)), -Scale(11, dpi_)) << layout.id;
            continue;
        }
        const HWND control = form_->Control(layout.id);
        const RECT rect = ClientRectIn(control, form_->Hwnd());
        EXPECT_TRUE(rect.left == edges.left && rect.top == edges.top && rect.right == edges.right &&
                    rect.bottom == edges.bottom)
            << layout.id;
        EXPECT_FALSE(layout.kind == ControlKind::TextBox &&
                     (::GetWindowLongW(control, GWL_STYLE) & ES_READONLY))
            << "readouts take typing";
        EXPECT_EQ(::IsWindowVisible(control) != FALSE, !(layout.look & kHidden)) << layout.id;
        if (layout.kind == ControlKind::PictureBox) continue;
        EXPECT_TRUE(layout.kind == ControlKind::TextBox || TextOf(control) == layout.text) << layout.id;
        EXPECT_EQ(fontHeight(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0))),
                  -Scale(11, dpi_))
            << layout.id;
    }
}

TEST_F(Density, APressOrTheEyedropperTakesThePixelUnderThePointer) {
    const HWND palette = form_->Control(picColors);
    RECT box{};
    ::GetClientRect(palette, &box);
    // Screen pixels at the start, inside and at the end of enlarged palette pixels.
    for (POINT at : {POINT{0, 0}, POINT{Scale(101, dpi_), Scale(40, dpi_) + 1},
                     POINT{box.right - 1, box.bottom - 1}, POINT{box.right / 2 + 1, box.bottom / 3}}) {
        POINT client = at;
        ::MapWindowPoints(palette, form_->Hwnd(), &client, 1);
        const COLORREF shown = ScreenPixel(form_->Hwnd(), client.x, client.y);
        EXPECT_EQ(shown, PaletteAt(Logical(at.x), Logical(at.y)));
        EXPECT_EQ(PressAt(palette, at.x, at.y), shown) << at.x << "," << at.y;
        // The eyedropper's tip there: one pass of its loop, which the release waiting in the queue ends.
        PressAt(palette, 5, 5);
        ::ClientToScreen(form_->Hwnd(), &client);
        ::SetCursorPos(client.x, client.y);
        ::PostMessageW(form_->Control(picScreenColor), WM_LBUTTONUP, 0, 0);
        Press(form_->Control(picScreenColor), 1, 1);
        EXPECT_EQ(Chosen(), shown) << at.x << "," << at.y;
    }
    for (int x = 0; x < box.right; ++x)
        ASSERT_EQ(PressAt(palette, x, 7), PaletteAt(Logical(x), Logical(7))) << x;
    // One screen pixel beyond the right or bottom edge is off the palette, and below the strip.
    const COLORREF last = PressAt(palette, 5, 5);
    Press(palette, 5, 5);
    MoveHeld(palette, box.right, 5);
    MoveHeld(palette, 5, box.bottom);
    Release(palette, box.right, box.bottom);
    EXPECT_EQ(Chosen(), last);

    const HWND strip = form_->Control(picGradient);
    ::GetClientRect(strip, &box);
    const int stripTop = ClientRectIn(strip, form_->Hwnd()).top;
    for (int y = 0; y < box.bottom; ++y) {
        ASSERT_EQ(PressAt(strip, box.right - 1, y), StripAt(Logical(y))) << y;
        ASSERT_EQ(Marker(), Logical(y)) << y;
        // The middle of the arrow's tip is beside a screen row that shows the marked row.
        PumpMessages();
        Presented();
        const int tip = form_->ArrowPlace().top + platform::MiddlePhysical(kArrowTipRow, dpi_);
        ASSERT_EQ(Logical(tip - stripTop), Logical(y)) << y;
    }
    Press(strip, 0, 0);
    MoveHeld(strip, 0, box.bottom);
    EXPECT_EQ(Marker(), 171);
    Release(strip, 0, box.bottom);
}
