// Save on the real window against the real registry. CTest runs this program twice: as it comes, and
// with the script host's library switched off, when only the ScriptHostOff test runs.
#include "messenger/im_color.h"
#include "messenger/shell_reg_write.h"

#include "window_fixture.h"

using namespace tintora;
using namespace tintora::testing;
using modTintora::PackRgb;

namespace {

constexpr ColourValue kNearWhite = PackRgb(254, 255, 255);

class Save : public WindowTest {
protected:
    void PressSave() {
        ::SendMessageW(form_->Control(cmdSaveColor), BM_CLICK, 0, 0);
        PumpMessages();
    }
    COLORREF CurrentOnScreen() {
        const RECT swatch = ClientRectIn(form_->Control(picCurrent), form_->Hwnd());
        return ScreenPixel(form_->Hwnd(), swatch.left + 10, swatch.top + 10);
    }
};

class ScriptHostOff : public Save {};

} // namespace

TEST_F(Save, StoresTheChosenColourInAKeyItCreatesAndCurrentShowsIt) {
    DeleteMessengerKey();
    frmTintora& form = Open();
    form.SetBaseColor(PackRgb(200, 100, 50));
    Click(picGradient, 5, 120);
    const COLORREF shade = StripAt(120);
    PressSave();
    EXPECT_EQ(StoredImColor(), shade);
    EXPECT_EQ(CurrentOnScreen(), shade);
    EXPECT_EQ(Chosen(), shade);
    EXPECT_EQ(form.State().MarkerPos, 120);
}

TEST_F(Save, WhiteOnTheBaseRowIsStoredAsNearWhiteButOnTheTopRowAsWhite) {
    frmTintora& form = Open();
    form.SetBaseColor(0xFFFFFF);
    PressSave();
    EXPECT_EQ(StoredImColor(), kNearWhite);
    // The strip is drawn again from near-white and the chosen colour taken from it anew.
    EXPECT_EQ(StripAt(170), PackRgb(16, 17, 17));
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"FEFFFF");
    EXPECT_EQ(CurrentOnScreen(), kNearWhite);

    form.SetBaseColor(PackRgb(0, 0, 200));
    Click(picGradient, 5, 0);
    PressSave();
    EXPECT_EQ(StoredImColor(), 0xFFFFFFu);
    EXPECT_EQ(form.Box(picCurrent).BackColor(), 0xFFFFFFu);
    EXPECT_EQ(StripAt(75), kNearWhite);
    EXPECT_EQ(form.State().MarkerPos, 0);
}

TEST_F(ScriptHostOff, SaveStillStoresTheColour) {
    ASSERT_FALSE(modTintora::ShellRegWriteDword(modTintora::kImColorPath, 0x00ABCDEF))
        << "this run is meant to be without the script host";
    DeleteMessengerKey();
    frmTintora& form = Open();
    form.SetBaseColor(0xFFFFFF);
    PressSave();
    EXPECT_EQ(StoredImColor(), kNearWhite);
    EXPECT_EQ(CurrentOnScreen(), kNearWhite);
}
