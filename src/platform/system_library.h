// Where Tintora finds what it loads when it runs. Libraries come from the system folder by their full
// path, never from the folder the program was started from. Functions newer than Windows XP are looked
// up in one place, behind a look-up that a test can make find nothing, as on XP.
#pragma once

#include "platform/handles.h"

namespace tintora::platform {

// A system library (a bare name such as L"shcore.dll"), loaded from the system folder and kept to the
// program's end; nullptr where this Windows has none.
HMODULE LoadSystemLibrary(const wchar_t* name) noexcept;

// Finds a function that Windows XP's library lacks, or answers nullptr.
using NewerFunctionLookup = FARPROC (*)(const wchar_t* library, const char* name) noexcept;
// Replaces the look-up, before anything is looked up (each caller keeps what it found).
void UseNewerFunctionLookup(NewerFunctionLookup lookup) noexcept;
FARPROC FindNewerFunction(const wchar_t* library, const char* name) noexcept;

// A function that Windows XP lacks, or nullptr: the caller has a plain fallback.
template <typename Function> Function NewerFunction(const wchar_t* library, const char* name) noexcept {
    // The detour through void (*)() is the cast compilers accept between function pointer types.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(FindNewerFunction(library, name)));
}

} // namespace tintora::platform
