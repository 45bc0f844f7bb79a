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

class Save : public WindowTest {
protected:
    // Starts at the stored colour, with no key left for Save to write into.
    void OpenWithoutKey(std::uint32_t stored) {
        StoreImColor(stored);
        Open();
        DeleteMessengerKey();
    }
    void PressSave() {
        ::SendMessageW(form_->Control(cmdSaveColor), BM_CLICK, 0, 0);
        PumpMessages();
    }
    COLORREF CurrentOnScreen() { return ScreenPixel(form_->Control(picCurrent), 10, 10); }
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

// Start black, pick the top row's white, flick below the strip in one move: the marker holds below
// it and New stays white, and Save stores that white (not near-white, not the darkest row's colour)
// in a key it creates, and Current shows it.
TEST_F(Save, AfterAFlickBelowTheStripStoresTheWhiteNewShows) {
    OpenWithoutKey(0);
    const HWND strip = form_->Control(picGradient);
    Press(strip, 5, 0);
    MoveHeld(strip, 5, 250);
    Release(strip, 5, 250);
    ASSERT_EQ(Chosen(), RGB(255, 255, 255));
    PressSave();
    EXPECT_EQ(StoredImColor(), 0xFFFFFFu);
    EXPECT_EQ(CurrentOnScreen(), RGB(255, 255, 255));
    EXPECT_EQ(Chosen(), RGB(255, 255, 255));
}

TEST_F(ScriptHostOff, SaveStillStoresTheColour) {
    ASSERT_FALSE(ShellRegWriteDword(kImColorPath, 0x00ABCDEF))
        << "this run is meant to be without the script host";
    OpenWithoutKey(0x003264C8);
    PressSave();
    EXPECT_EQ(StoredImColor(), 0x003264C8u);
    EXPECT_EQ(CurrentOnScreen(), RGB(200, 100, 50));
}
