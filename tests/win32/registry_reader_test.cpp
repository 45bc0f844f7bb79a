// The registry reader against the real registry of a throwaway Wine prefix.
#include "messenger/registry_reader.h"

#include "window_fixture.h"

using modTintora::ReadRegistryValue;
using namespace tintora::testing;

TEST(RegistryReader, ReadsADwordOrBytesThatFitAndElseZero) {
    constexpr const char* key = "HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger";
    StoreImColor(0xFFFFFE);
    EXPECT_EQ(ReadRegistryValue(key, "IM Color"), 16777214);
    StoreImColor(0xFFFFFFFF);
    EXPECT_EQ(ReadRegistryValue(key, "IM Color"), -1);
    EXPECT_EQ(ReadRegistryValue(key, "Other"), 0);
    // Only the exact names of the registry's roots open.
    EXPECT_EQ(ReadRegistryValue("hkey_current_user\\Software\\Microsoft\\MSNMessenger", "IM Color"), 0);
    EXPECT_EQ(ReadRegistryValue("HKCU\\Software\\Microsoft\\MSNMessenger", "IM Color"), 0);
    EXPECT_EQ(ReadRegistryValue("Software\\Microsoft\\MSNMessenger", "IM Color"), 0);
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
