// Win32 tests run in a fresh Wine prefix each: the registry they change is a throwaway one.
#include "platform/handles.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const tintora::platform::ComApartment com;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
