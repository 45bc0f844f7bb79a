// Writing a REG_DWORD through the script host's shell object ("wscript.shell"), late bound through
// IDispatch, as a script would. Created anew for each write and released after it.
#pragma once

#include <cstdint>

namespace tintora {

// False when the shell object cannot be made or its RegWrite fails.
bool ShellRegWriteDword(const wchar_t* valuePath, std::int32_t value) noexcept;

} // namespace tintora
