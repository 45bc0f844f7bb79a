// Save on the real window against the real registry: what ends up stored, what the window shows
// afterwards, and that Save still stores the colour where the script host cannot be used. The
// program runs twice: once as it comes, once with the script host's library switched off, when only
// the ScriptHostOff tests run.
#include "messenger/im_color.h"
#include "messenger/shell_reg_write.h"

#include "window_fixture.h"

#include <sddl.h>

using namespace tintora;
using namespace tintora::testing;
using modTintora::PackRgb;

namespace {

constexpr ColourValue kWhite = PackRgb(255, 255, 255);
constexpr ColourValue kNearWhite = PackRgb(254, 255, 255);

// Whether the script host's shell object can be made here at all.
bool ShellObjectAvailable() {
    CLSID shellClass{};
    if (FAILED(::CLSIDFromProgID(L"wscript.shell", &shellClass))) return false;
    IDispatch* shell = nullptr;
    if (FAILED(::CoCreateInstance(shellClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                  IID_IDispatch, reinterpret_cast<void**>(&shell))))
        return false;
    shell->Release();
    return true;
}

// The number of values and sub-keys under Messenger's key, or -1 when there is no key.
int EntriesUnderMessengerKey() {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\MSNMessenger", 0, KEY_READ, &opened) !=
        ERROR_SUCCESS)
        return -1;
    const platform::UniqueRegKey key(opened);
    DWORD subKeys = 0, values = 0;
    ::RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                       nullptr, nullptr, nullptr);
    return static_cast<int>(subKeys + values);
}

// Replaces the access rules of Messenger's key (a security descriptor in SDDL).
bool SetMessengerKeyAccess(const wchar_t* rules) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\MSNMessenger", 0, WRITE_DAC, &opened) !=
        ERROR_SUCCESS)
        return false;
    const platform::UniqueRegKey key(opened);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(rules, SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    const bool set = ::RegSetKeySecurity(opened, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    ::LocalFree(descriptor);
    return set;
}

class Save : public WindowTest {
protected:
    // A click on Save: the button itself tells the window, as it does for the mouse.
    void PressSave() {
        ::SendMessageW(form_->Control(cmdSaveColor), BM_CLICK, 0, 0);
        PumpMessages();
    }
    // A press and release on the strip's row, which marks it.
    void MarkRow(int row) {
        Press(form_->Control(picGradient), 5, row);
        Release(form_->Control(picGradient), 5, row);
    }
    COLORREF CurrentOnScreen() {
        const RECT swatch = ClientRectIn(form_->Control(picCurrent), form_->Hwnd());
        return ScreenPixel(form_->Hwnd(), swatch.left + 10, swatch.top + 10);
    }
    COLORREF Chosen() { return form_->Box(picChosenColor).BackColor(); }
    COLORREF Current() { return form_->Box(picCurrent).BackColor(); }
    COLORREF StripAt(int row) { return form_->Box(picGradient).ReadPixel(0, row); }
};

class ScriptHostOff : public Save {};

} // namespace

TEST_F(Save, StoresTheChosenColourUnchanged) {
    StoreImColor(0x00FF0000);
    frmTintora& form = Open();
    form.SetBaseColor(PackRgb(200, 100, 50));
    PressSave();
    EXPECT_EQ(StoredImColor(), PackRgb(200, 100, 50));
    EXPECT_EQ(Current(), PackRgb(200, 100, 50));
    EXPECT_EQ(CurrentOnScreen(), PackRgb(200, 100, 50));
    EXPECT_EQ(Chosen(), PackRgb(200, 100, 50));
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"C86432");
    EXPECT_EQ(form.State().MarkerPos, 75);

    // A shade below the base, picked on the strip, is stored as picked.
    MarkRow(120);
    const COLORREF shade = StripAt(120);
    PressSave();
    EXPECT_EQ(StoredImColor(), shade);
    EXPECT_EQ(Current(), shade);
    EXPECT_EQ(form.State().MarkerPos, 120);

    // Near-white is no special case.
    form.SetBaseColor(kNearWhite);
    MarkRow(75);
    PressSave();
    EXPECT_EQ(StoredImColor(), kNearWhite);
}

TEST_F(Save, BlackIsStoredAsZero) {
    StoreImColor(PackRgb(10, 20, 30));
    frmTintora& form = Open();
    form.SetBaseColor(0);
    PressSave();
    EXPECT_EQ(StoredImColor(), 0u);
    EXPECT_EQ(Current(), 0u);
    EXPECT_EQ(CurrentOnScreen(), 0u);
}

TEST_F(Save, WhiteOnTheBaseRowIsStoredAsNearWhite) {
    StoreImColor(0);
    frmTintora& form = Open();
    form.SetBaseColor(kWhite);
    ASSERT_EQ(Chosen(), kWhite);
    PressSave();
    EXPECT_EQ(StoredImColor(), kNearWhite);
    // The strip is drawn again from near-white and the chosen colour taken from it anew.
    EXPECT_EQ(form.State().BaseRed, 254);
    EXPECT_EQ(form.State().BaseGreen, 255);
    EXPECT_EQ(StripAt(75), kNearWhite);
    EXPECT_EQ(StripAt(170), PackRgb(16, 17, 17)); // from white it would be (17, 17, 17)
    EXPECT_EQ(Chosen(), kNearWhite);
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"FEFFFF");
    EXPECT_EQ(TextOf(form.Control(txtRed)), L"254");
    EXPECT_EQ(form.State().MarkerPos, 75);
    EXPECT_EQ(Current(), kNearWhite);
    EXPECT_EQ(CurrentOnScreen(), kNearWhite);
}

TEST_F(Save, WhiteOnAnAlwaysWhiteRowStaysWhite) {
    StoreImColor(0);
    frmTintora& form = Open();
    form.SetBaseColor(PackRgb(0, 0, 200));
    MarkRow(0);
    ASSERT_EQ(Chosen(), kWhite);
    PressSave();
    EXPECT_EQ(StoredImColor(), kWhite);
    EXPECT_EQ(Current(), kWhite);
    // The strip was drawn again from near-white all the same, the marker where it was.
    EXPECT_EQ(form.State().BaseRed, 254);
    EXPECT_EQ(form.State().BaseBlue, 255);
    EXPECT_EQ(StripAt(75), kNearWhite);
    EXPECT_EQ(form.State().MarkerPos, 0);
    EXPECT_EQ(Chosen(), kWhite);
}

TEST_F(Save, CreatesAMissingKeyWithOnlyTheColourInIt) {
    DeleteMessengerKey();
    frmTintora& form = Open();
    ASSERT_EQ(EntriesUnderMessengerKey(), -1) << "opening the window writes nothing";
    form.SetBaseColor(PackRgb(1, 2, 3));
    PressSave();
    EXPECT_EQ(StoredImColor(), PackRgb(1, 2, 3));
    EXPECT_EQ(EntriesUnderMessengerKey(), 1);
    EXPECT_EQ(Current(), PackRgb(1, 2, 3));
}

TEST_F(Save, PressingTwiceStoresTheSameColourTwice) {
    StoreImColor(0);
    frmTintora& form = Open();
    form.SetBaseColor(kWhite);
    PressSave();
    ASSERT_EQ(StoredImColor(), kNearWhite);
    // Something else changes the value between the presses; the second press writes it again.
    StoreImColor(PackRgb(9, 9, 9));
    PressSave();
    EXPECT_EQ(StoredImColor(), kNearWhite);
    EXPECT_EQ(Chosen(), kNearWhite);
    EXPECT_EQ(Current(), kNearWhite);
    EXPECT_EQ(form.State().MarkerPos, 75);
}

TEST_F(Save, ButtonCommandFromTheDialogKeysSaves) {
    StoreImColor(0);
    frmTintora& form = Open();
    form.SetBaseColor(PackRgb(40, 50, 60));
    // Alt+S goes through dialog navigation, which sends the button's click as a command.
    ::SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(cmdSaveColor, BN_CLICKED),
                   reinterpret_cast<LPARAM>(form.Control(cmdSaveColor)));
    EXPECT_EQ(StoredImColor(), PackRgb(40, 50, 60));
    // Other notifications from the button are no press.
    form.SetBaseColor(PackRgb(70, 80, 90));
    ::SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(cmdSaveColor, BN_SETFOCUS),
                   reinterpret_cast<LPARAM>(form.Control(cmdSaveColor)));
    EXPECT_EQ(StoredImColor(), PackRgb(40, 50, 60));
}

TEST_F(Save, ShellObjectWritesADwordAndMakesTheKey) {
    DeleteMessengerKey();
    EXPECT_TRUE(modTintora::ShellRegWriteDword(modTintora::kImColorPath, 0x00ABCDEF));
    EXPECT_EQ(StoredImColor(), 0x00ABCDEFu);
    EXPECT_EQ(EntriesUnderMessengerKey(), 1);
    EXPECT_TRUE(modTintora::ShellRegWriteDword(modTintora::kImColorPath, 0));
    EXPECT_EQ(StoredImColor(), 0u);
}

TEST_F(Save, WhenNothingCanBeWrittenCurrentShowsWhatIsStored) {
    StoreImColor(PackRgb(10, 20, 30));
    ASSERT_TRUE(SetMessengerKeyAccess(L"D:(D;;0x2;;;WD)(A;;KA;;;WD)")); // nobody may set values
    frmTintora& form = Open();
    form.SetBaseColor(kWhite);
    PressSave();
    EXPECT_EQ(StoredImColor(), PackRgb(10, 20, 30));
    EXPECT_EQ(Current(), PackRgb(10, 20, 30));
    EXPECT_EQ(CurrentOnScreen(), PackRgb(10, 20, 30));
    // Nothing is undone: the strip stays drawn from near-white.
    EXPECT_EQ(Chosen(), kNearWhite);
    EXPECT_TRUE(SetMessengerKeyAccess(L"D:(A;;KA;;;WD)"));
}

// Run only with the script host's library switched off.
TEST_F(ScriptHostOff, SaveStillStoresTheColour) {
    ASSERT_FALSE(ShellObjectAvailable()) << "this run is meant to be without the script host";
    EXPECT_FALSE(modTintora::ShellRegWriteDword(modTintora::kImColorPath, 0x00ABCDEF));
    EXPECT_EQ(StoredImColor(), std::nullopt);

    frmTintora& form = Open();
    form.SetBaseColor(PackRgb(200, 100, 50));
    PressSave();
    EXPECT_EQ(StoredImColor(), PackRgb(200, 100, 50));
    EXPECT_EQ(EntriesUnderMessengerKey(), 1);
    EXPECT_EQ(Current(), PackRgb(200, 100, 50));

    form.SetBaseColor(kWhite);
    PressSave();
    EXPECT_EQ(StoredImColor(), kNearWhite);
    EXPECT_EQ(Chosen(), kNearWhite);
    EXPECT_EQ(CurrentOnScreen(), kNearWhite);
}
