#include "platform/system_library.h"

#include <cwchar>

namespace tintora::platform {
namespace {

FARPROC FindInSystemLibrary(const wchar_t* library, const char* name) noexcept {
    HMODULE module = ::GetModuleHandleW(library);
    if (module == nullptr) module = LoadSystemLibrary(library);
    return module != nullptr ? ::GetProcAddress(module, name) : nullptr;
}

NewerFunctionLookup lookup = FindInSystemLibrary;

} // namespace

HMODULE LoadSystemLibrary(const wchar_t* name) noexcept {
    wchar_t path[MAX_PATH];
    const UINT folder = ::GetSystemDirectoryW(path, MAX_PATH);
    if (folder == 0 || folder + 1 + std::wcslen(name) >= MAX_PATH) return nullptr;
    path[folder] = L'\\';
    std::wcscpy(path + folder + 1, name);
    // The altered search path looks for the library's own imports beside it, in the system folder.
    return ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void UseNewerFunctionLookup(NewerFunctionLookup replacement) noexcept { lookup = replacement; }

FARPROC FindNewerFunction(const wchar_t* library, const char* name) noexcept { return lookup(library, name); }

} // namespace tintora::platform
