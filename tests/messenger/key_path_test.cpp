#include "messenger/key_path.h"

#include <gtest/gtest.h>

using namespace modTintora;

TEST(KeyPath, SplitsAtTheFirstBackslashOnly) {
    const KeyPath path = SplitKeyPath("HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger");
    EXPECT_EQ(path.root, "HKEY_CURRENT_USER");
    EXPECT_EQ(path.subKey, "Software\\Microsoft\\MSNMessenger");
    const KeyPath empty = SplitKeyPath("HKEY_CURRENT_USER\\");
    EXPECT_EQ(empty.root, "HKEY_CURRENT_USER");
    EXPECT_TRUE(empty.subKey.empty());
    const KeyPath bare = SplitKeyPath("HKEY_USERS");
    EXPECT_EQ(bare.root, "HKEY_USERS");
    EXPECT_TRUE(bare.subKey.empty());
}

TEST(KeyPath, RootsAreTheRegistrysPredefinedHandles) {
    EXPECT_EQ(static_cast<std::uint32_t>(RootKeyFromName("HKEY_CLASSES_ROOT")), 0x80000000u);
    EXPECT_EQ(static_cast<std::uint32_t>(RootKeyFromName("HKEY_CURRENT_USER")), 0x80000001u);
    EXPECT_EQ(static_cast<std::uint32_t>(RootKeyFromName("HKEY_LOCAL_MACHINE")), 0x80000002u);
    EXPECT_EQ(static_cast<std::uint32_t>(RootKeyFromName("HKEY_USERS")), 0x80000003u);
    EXPECT_EQ(static_cast<std::uint32_t>(RootKeyFromName("HKEY_PERFORMANCE_DATA")), 0x80000004u);
    EXPECT_EQ(static_cast<std::uint32_t>(RootKeyFromName("HKEY_CURRENT_CONFIG")), 0x80000005u);
    EXPECT_EQ(static_cast<std::uint32_t>(RootKeyFromName("HKEY_DYN_DATA")), 0x80000006u);
}

TEST(KeyPath, OnlyWholeExactNamesAreRoots) {
    EXPECT_EQ(RootKeyFromName("hkey_current_user"), 0);
    EXPECT_EQ(RootKeyFromName("HKCU"), 0);
    EXPECT_EQ(RootKeyFromName(" HKEY_CURRENT_USER"), 0);
    EXPECT_EQ(RootKeyFromName("HKEY_CURRENT_USER "), 0);
    EXPECT_EQ(RootKeyFromName("HKEY_CURRENT"), 0);
    EXPECT_EQ(RootKeyFromName(""), 0);
}
