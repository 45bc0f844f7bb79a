// SetBaseColor and RefreshReadouts on the real window: the strip's pixels, on its surface and on
// the screen, the New swatch, the seven readout boxes and the arrow.
#include "window_fixture.h"

#include "editor/marker.h"

using namespace tintora;
using namespace tintora::testing;
using modTintora::PackRgb;

namespace {

class StripAndReadouts : public WindowTest {
protected:
    // The strip's colour at a row, as the screen shows it.
    COLORREF StripOnScreen(int row) {
        const RECT strip = ClientRectIn(form_->Control(picGradient), form_->Hwnd());
        return ScreenPixel(form_->Hwnd(), strip.left + 5, strip.top + row);
    }
    std::wstring Readouts() {
        std::wstring joined;
        for (ControlId id : {txtHue, txtSat, txtLum, txtRed, txtGreen, txtBlue, txtHexa})
            joined += TextOf(form_->Control(id)) + L"|";
        return joined;
    }
};

} // namespace

TEST_F(StripAndReadouts, WorkedExamplePaintsTheStripAndChoosesTheBaseColour) {
    frmTintora& form = Open();
    form.SetBaseColor(PackRgb(200, 100, 0));
    platform::PictureBox& strip = form.Box(picGradient);
    EXPECT_EQ(strip.ReadPixel(0, 0), PackRgb(255, 255, 255));
    EXPECT_EQ(strip.ReadPixel(10, 74), PackRgb(199, 115, 17));
    EXPECT_EQ(strip.ReadPixel(0, 75), PackRgb(200, 100, 0));
    EXPECT_EQ(strip.ReadPixel(0, 79), PackRgb(200, 100, 0));
    EXPECT_EQ(strip.ReadPixel(0, 80), PackRgb(187, 93, 0));
    EXPECT_EQ(strip.ReadPixel(0, 145), PackRgb(18, 2, 0));
    EXPECT_EQ(strip.ReadPixel(10, 170), PackRgb(18, 2, 0));
    EXPECT_EQ(strip.ReadPixel(11, 0), CLR_INVALID);
    EXPECT_EQ(strip.ReadPixel(0, 171), CLR_INVALID);

    EXPECT_EQ(StripOnScreen(0), PackRgb(255, 255, 255));
    EXPECT_EQ(StripOnScreen(77), PackRgb(200, 100, 0));
    EXPECT_EQ(StripOnScreen(170), PackRgb(18, 2, 0));

    EXPECT_EQ(form.Box(picChosenColor).BackColor(), PackRgb(200, 100, 0));
    EXPECT_EQ(Readouts(), L"20|240|95|200|100|0|C86400|");
    EXPECT_EQ(ClientRectIn(form.Control(imgArrow), form.Hwnd()).top, 88);
}

TEST_F(StripAndReadouts, ReadoutsFollowTheChosenColour) {
    frmTintora& form = Open();
    form.SetBaseColor(0);
    EXPECT_EQ(Readouts(), L"160|0|0|0|0|0|000000|");
    form.SetBaseColor(0xFFFFFF);
    EXPECT_EQ(Readouts(), L"160|0|240|255|255|255|FFFFFF|");
    form.SetBaseColor(PackRgb(200, 100, 50));
    EXPECT_EQ(Readouts(), L"13|144|118|200|100|50|C86432|");
    form.SetBaseColor(PackRgb(10, 11, 12));
    EXPECT_EQ(Readouts(), L"140|22|11|10|11|12|0A0B0C|");
    const RECT swatch = ClientRectIn(form.Control(picChosenColor), form.Hwnd());
    EXPECT_EQ(ScreenPixel(form.Hwnd(), swatch.left + 30, swatch.top + 20), PackRgb(10, 11, 12));
}

TEST_F(StripAndReadouts, BlackBandsBelowZeroAndOddValues) {
    frmTintora& form = Open();
    platform::PictureBox& strip = form.Box(picGradient);
    form.SetBaseColor(PackRgb(8, 0, 0));
    EXPECT_EQ(strip.ReadPixel(0, 115), PackRgb(0, 0, 0));
    EXPECT_EQ(strip.ReadPixel(0, 110), PackRgb(1, 0, 0));
    EXPECT_EQ(strip.ReadPixel(0, 170), PackRgb(0, 0, 0));
    form.SetBaseColor(-1);
    EXPECT_EQ(form.Box(picChosenColor).BackColor(), PackRgb(255, 0, 0));
    EXPECT_EQ(form.State().BaseRed, 255);
    EXPECT_EQ(form.State().BaseGreen, 0);
    form.SetBaseColor(0x7F102030);
    EXPECT_EQ(form.Box(picChosenColor).BackColor(), 0x102030u);
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"302010");
}

TEST_F(StripAndReadouts, CoveredAndMinimisedWindowKeepsItsPictures) {
    frmTintora& form = Open();
    form.SetBaseColor(PackRgb(200, 100, 0));
    ::ShowWindow(form.Hwnd(), SW_MINIMIZE);
    PumpMessages();
    ::ShowWindow(form.Hwnd(), SW_RESTORE);
    PumpMessages();
    EXPECT_EQ(StripOnScreen(77), PackRgb(200, 100, 0));
    const RECT swatch = ClientRectIn(form.Control(picChosenColor), form.Hwnd());
    EXPECT_EQ(ScreenPixel(form.Hwnd(), swatch.left + 5, swatch.top + 5), PackRgb(200, 100, 0));
}
