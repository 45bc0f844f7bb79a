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
