#include "platform/system_library.h"

#include <cwchar>
#include <utility>

namespace tintora::platform {
namespace {

bool restricted = false;

FARPROC FindInSystemLibrary(const wchar_t* library, const char* name) noexcept {
    HMODULE module = ::GetModuleHandleW(library);
    if (module == nullptr) module = LoadSystemLibrary(library);
    return module != nullptr ? ::GetProcAddress(module, name) : nullptr;
}

NewerFunctionLookup lookup = FindInSystemLibrary;

} // namespace

bool RestrictLibrarySearch() noexcept {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefault =
        NewerFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll", "SetDefaultDllDirectories");
    restricted = setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!restricted) ::SetDllDirectoryW(L"");
    return restricted;
}

HMODULE LoadSystemLibrary(const wchar_t* name) noexcept {
    if (restricted) return ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    wchar_t path[MAX_PATH];
    const UINT folder = ::GetSystemDirectoryW(path, MAX_PATH);
    if (folder == 0 || folder + 1 + std::wcslen(name) >= MAX_PATH) return nullptr;
    path[folder] = L'\\';
    std::wcscpy(path + folder + 1, name);
    // The altered search path looks for the library's own imports beside it, in the system folder.
    return ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadCommonControls() noexcept {
    // A full path passes the side-by-side store by, so the bare name goes where the manifest sends it.
    ACTCTX_SECTION_KEYED_DATA redirected{};
    redirected.cbSize = sizeof redirected;
    if (restricted || ::FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                                 L"comctl32.dll", &redirected))
        return ::LoadLibraryExW(L"comctl32.dll", nullptr, restricted ? LOAD_LIBRARY_SEARCH_SYSTEM32 : 0);
    return LoadSystemLibrary(L"comctl32.dll");
}

NewerFunctionLookup UseNewerFunctionLookup(NewerFunctionLookup replacement) noexcept {
    return std::exchange(lookup, replacement);
}

FARPROC FindNewerFunction(const wchar_t* library, const char* name) noexcept { return lookup(library, name); }

} // namespace tintora::platform
