// Libraries come from the system folder only. The test program starts as Tintora does, with the
// search restricted, and runs with libraries of the same names planted beside it; as on Windows XP
// (TINTORA_TEST_AS_XP), where the restriction is missing, its own loads go by full path.
#include "platform/system_functions.h"
#include "platform/system_library.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace tintora::platform;

namespace {

// The folder a loaded module came from, in lower case.
std::wstring FolderOf(HMODULE module) {
    wchar_t path[MAX_PATH]{};
    const DWORD length = ::GetModuleFileNameW(module, path, MAX_PATH);
    const std::wstring file(::CharLowerW(path), length < MAX_PATH ? length : 0);
    return file.substr(0, file.find_last_of(L'\\'));
}

} // namespace

TEST(SystemLibrary, ComesFromTheSystemFolderNeverFromBesideTheProgram) {
    const bool asXp = std::getenv("TINTORA_TEST_AS_XP") != nullptr;
    EXPECT_EQ(RestrictLibrarySearch(), !asXp);
    const std::wstring program = FolderOf(nullptr);
    const std::wstring system = FolderOf(::GetModuleHandleW(L"kernel32.dll"));
    for (const wchar_t* name : {L"ole32.dll", L"oleaut32.dll", L"oleacc.dll", L"shcore.dll", L"dwmapi.dll"}) {
        const HMODULE library = LoadSystemLibrary(name);
        ASSERT_NE(library, nullptr) << name;
        EXPECT_EQ(FolderOf(library), system) << name;
    }
    // The common controls of the manifest's version, from the side-by-side store.
    const HMODULE controls = LoadCommonControls();
    ASSERT_NE(controls, nullptr);
    EXPECT_NE(FolderOf(controls), program);
    EXPECT_NE(::GetProcAddress(controls, "TaskDialogIndirect"), nullptr) << "not version 6";
    if (!asXp) {
        // A library the system loads on our behalf, by its bare name.
        const HMODULE onOurBehalf = ::LoadLibraryW(L"msimg32.dll");
        ASSERT_NE(onOurBehalf, nullptr);
        EXPECT_EQ(FolderOf(onOurBehalf), system);
    }
    // What is used through them works: COM and its strings.
    const BSTR text = sys::SysAllocString(L"Tintora");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text), L"Tintora");
    sys::SysFreeString(text);
}
