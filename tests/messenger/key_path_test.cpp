#include "messenger/key_path.h"

#include <gtest/gtest.h>

using namespace tintora;

TEST(KeyPath, SplitsAtTheFirstBackslashOnly) {
    const KeyPath path = SplitKeyPath("HKEY_CURRENT_USER\\Software\\Microsoft\\MSNMessenger");
    EXPECT_EQ(path.root, "HKEY_CURRENT_USER");
    EXPECT_EQ(path.subKey, "Software\\Microsoft\\MSNMessenger");
    EXPECT_TRUE(SplitKeyPath("HKEY_CURRENT_USER\\").subKey.empty());
    EXPECT_EQ(SplitKeyPath("HKEY_USERS").root, "HKEY_USERS");
    EXPECT_TRUE(SplitKeyPath("HKEY_USERS").subKey.empty());
}

TEST(KeyPath, OnlyWholeExactNamesAreTheRegistrysRoots) {
    const char* roots[] = {"HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                           "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
    for (std::uint32_t i = 0; i < 7; ++i)
        EXPECT_EQ(static_cast<std::uint32_t>(RootKeyFromName(roots[i])), 0x80000000u + i) << roots[i];
    for (const char* name : {"hkey_current_user", "HKCU", " HKEY_CURRENT_USER", "HKEY_CURRENT_USER ", ""})
        EXPECT_EQ(RootKeyFromName(name), 0) << name;
}
