// The registry reader and Save against the real registry. CTest runs this program twice: as it
// comes, and with the script host's library switched off, when only the ScriptHostOff test runs.
#include "messenger/im_colour.h"
#include "messenger/registry_reader.h"
#include "messenger/registry_root.h"
#include "messenger/shell_reg_write.h"

#include "window_fixture.h"

using namespace tintora;
using namespace tintora::testing;

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

TEST(RegistryReader, ReadsADwordOrBytesThatFitAndElseZero) {
    constexpr const char* key = "HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger";
    StoreImColor(0xFFFFFE);
    EXPECT_EQ(ReadRegistryValue(key, "IM Color"), 16777214);
    StoreImColor(0xFFFFFFFF);
    EXPECT_EQ(ReadRegistryValue(key, "IM Color"), -1);
    EXPECT_EQ(ReadRegistryValue(key, "Other"), 0);
    // Only the exact names of the registry's roots open.
    EXPECT_EQ(ReadRegistryValue("hkey_current_user\\Software\\Microsoft\\MSNMessenger", "IM Color"), 0);
    const auto storeBinary = [](std::initializer_list<BYTE> bytes) {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\MSNMessenger", "IM Color", REG_BINARY,
                          bytes.begin(), static_cast<DWORD>(bytes.size()));
    };
    storeBinary({1, 2, 3});
    EXPECT_EQ(ReadRegistryValue(key, "IM Color"), 197121);
    storeBinary({9, 9, 9, 9, 9});
    EXPECT_EQ(ReadRegistryValue(key, "IM Color"), 0);
    DeleteMessengerKey();
    EXPECT_EQ(ReadRegistryValue(key, "IM Color"), 0);
}

TEST(RegistryRoots, TheSevenNamesAreTheRegistrysOwnRootsAndNothingElseIs) {
    const std::pair<const char*, HKEY> roots[] = {{"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
                                                  {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                                                  {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                                                  {"HKEY_USERS", HKEY_USERS},
                                                  {"HKEY_PERFORMANCE_DATA", HKEY_PERFORMANCE_DATA},
                                                  {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
                                                  {"HKEY_DYN_DATA", HKEY_DYN_DATA}};
    for (const auto& [name, root] : roots)
        EXPECT_EQ(RootKeyHandle(name), root) << name;
    for (const char* name : {"hkey_current_user", "HKCU", " HKEY_CURRENT_USER", "HKEY_CURRENT_USER ", ""})
        EXPECT_EQ(RootKeyHandle(name), nullptr) << name;
}

TEST_F(Save, StoresTheChosenColourInAKeyItCreatesAndCurrentShowsIt) {
    StoreImColor(PackRgb(200, 100, 50));
    Open();
    DeleteMessengerKey();
    Click(picGradient, 5, 120);
    const COLORREF shade = StripAt(120);
    PressSave();
    EXPECT_EQ(StoredImColor(), shade);
    EXPECT_EQ(CurrentOnScreen(), shade);
}

TEST_F(Save, WhiteOnTheBaseRowIsStoredAsNearWhiteButOnTheTopRowAsWhite) {
    StoreImColor(0xFFFFFF);
    TintoraWindow& form = Open();
    PressSave();
    EXPECT_EQ(StoredImColor(), kNearWhite);
    // The window shows what the model made of it: the strip drawn again from near-white.
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"FEFFFF");
    EXPECT_EQ(CurrentOnScreen(), kNearWhite);

    StoreImColor(PackRgb(0, 0, 200));
    Open();
    Click(picGradient, 5, 0);
    PressSave();
    EXPECT_EQ(StoredImColor(), 0xFFFFFFu);
    Presented();
    EXPECT_EQ(form_->Box(picCurrent).BackColor(), 0xFFFFFFu);
    EXPECT_EQ(StripAt(75), kNearWhite);
}

TEST_F(ScriptHostOff, SaveStillStoresTheColour) {
    ASSERT_FALSE(ShellRegWriteDword(kImColorPath, 0x00ABCDEF))
        << "this run is meant to be without the script host";
    StoreImColor(0xFFFFFF);
    Open();
    DeleteMessengerKey();
    PressSave();
    EXPECT_EQ(StoredImColor(), kNearWhite);
    EXPECT_EQ(CurrentOnScreen(), kNearWhite);
}
