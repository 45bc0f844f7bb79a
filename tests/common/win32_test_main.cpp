// Win32 tests run in a fresh Wine prefix each: the registry they change is a throwaway one. They
// start as Tintora does, with the library search restricted. With TINTORA_TEST_AS_XP set, the
// platform layer finds nothing newer than Windows XP, as there.
#include "platform/handles.h"
#include "platform/system_library.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

int asked = 0;

FARPROC FindNothing(const wchar_t*, const char*) noexcept {
    ++asked;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const bool asXp = std::getenv("TINTORA_TEST_AS_XP") != nullptr;
    if (asXp) tintora::platform::UseNewerFunctionLookup(FindNothing);
    tintora::platform::RestrictLibrarySearch();
    asked = 0; // what the tests themselves look up
    const tintora::platform::ComApartment com;
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    if (asXp && asked == 0) {
        std::fprintf(stderr, "As on Windows XP: nothing was looked up, so nothing was tested without it\n");
        return 1;
    }
    return failed;
}
