// Where Tintora finds what it loads when it runs. Libraries come from the system folder only, never
// from the folder the program was started from, where any web page can drop a file of a system
// library's name. Functions newer than Windows XP are looked up in one place, behind a look-up that a
// test can make find nothing, as on XP.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace tintora::platform {

// First thing at start-up: every later library search, ours and the system's on our behalf, looks
// in the system folder only. Where Windows cannot (XP, and 7 without its update), our own loads go by
// full path and the current folder leaves the search; then false.
bool RestrictLibrarySearch() noexcept;

// A system library (a bare name such as L"oleacc.dll") from the system folder, kept to the program's
// end; nullptr where this Windows has none.
HMODULE LoadSystemLibrary(const wchar_t* name) noexcept;
// The common controls of the version the program's manifest names, which Windows keeps in its
// side-by-side store, or else the system folder's.
HMODULE LoadCommonControls() noexcept;

// Finds a function that Windows XP's library lacks, or answers nullptr.
using NewerFunctionLookup = FARPROC (*)(const wchar_t* library, const char* name) noexcept;
// Replaces the look-up, before anything is looked up (each caller keeps what it found), and answers
// the one it replaced, for the new one to pass on what it does not answer itself.
NewerFunctionLookup UseNewerFunctionLookup(NewerFunctionLookup lookup) noexcept;
FARPROC FindNewerFunction(const wchar_t* library, const char* name) noexcept;

// What GetProcAddress found, as the function type the caller names. (The detour through void (*)()
// is the cast compilers accept between function pointer types.)
template <typename Function> Function AsFunction(FARPROC found) noexcept {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// A function that Windows XP lacks, or nullptr: the caller has a plain fallback.
template <typename Function> Function NewerFunction(const wchar_t* library, const char* name) noexcept {
    return AsFunction<Function>(FindNewerFunction(library, name));
}

} // namespace tintora::platform
