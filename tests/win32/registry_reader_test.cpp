// The registry reader against the real registry of a throwaway Wine prefix.
#include "messenger/registry_reader.h"

#include "window_fixture.h"

using modTintora::ReadRegistryValue;
using namespace tintora::testing;

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger";

class RegistryReader : public ::testing::Test {
protected:
    void TearDown() override { DeleteMessengerKey(); }
};

} // namespace

TEST_F(RegistryReader, ReadsAStoredDword) {
    StoreImColor(0xFFFFFE);
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), 16777214);
    StoreImColor(0xFFFFFFFF);
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), -1);
    StoreImColor(0x80000001);
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), static_cast<std::int32_t>(0x80000001u));
}

TEST_F(RegistryReader, AnythingMissingReadsAsZero) {
    DeleteMessengerKey();
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), 0);
    StoreImColor(0x123456);
    EXPECT_EQ(ReadRegistryValue(kKey, "Other"), 0);
    EXPECT_EQ(ReadRegistryValue("HKEY_CURRENT_USER\\Software\\Microsoft\\Nowhere", "IM Color"), 0);
}

TEST_F(RegistryReader, OnlyExactRootNamesOpen) {
    StoreImColor(0x123456);
    EXPECT_EQ(ReadRegistryValue("hkey_current_user\\Software\\Microsoft\\MSNMessenger", "IM Color"), 0);
    EXPECT_EQ(ReadRegistryValue("HKCU\\Software\\Microsoft\\MSNMessenger", "IM Color"), 0);
    EXPECT_EQ(ReadRegistryValue("Software\\Microsoft\\MSNMessenger", "IM Color"), 0);
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), 0x123456);
}

TEST_F(RegistryReader, EmptySubKeyReadsFromTheRootItself) {
    HKEY root = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_SET_VALUE, &root), ERROR_SUCCESS);
    const DWORD data = 0x0A0B0C;
    ASSERT_EQ(::RegSetValueExA(root, "Tintora Test", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), 4),
              ERROR_SUCCESS);
    EXPECT_EQ(ReadRegistryValue("HKEY_CURRENT_USER\\", "Tintora Test"), 0x0A0B0C);
    ::RegDeleteValueA(root, "Tintora Test");
    ::RegCloseKey(root);
}

TEST_F(RegistryReader, OtherTypesGiveTheirBytesWhenTheyFit) {
    const BYTE binary[] = {1, 2, 3};
    StoreImColorRaw(REG_BINARY, binary, sizeof binary);
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), 197121);
    StoreImColorRaw(REG_SZ, "ab", 3); // 'a' 'b' '\0'
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), 'a' | 'b' << 8);
    const std::uint64_t qword = 0x0102030405060708ull;
    StoreImColorRaw(REG_QWORD, &qword, sizeof qword);
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), 0); // longer than four bytes
    const BYTE five[] = {9, 9, 9, 9, 9};
    StoreImColorRaw(REG_BINARY, five, sizeof five);
    EXPECT_EQ(ReadRegistryValue(kKey, "IM Color"), 0);
}
