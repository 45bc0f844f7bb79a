# Cross build of the Windows program with mingw-w64: 64-bit by default, 32-bit with
# -DTINTORA_ARCH=i686. Run under Wine on Linux.
set(TINTORA_ARCH x86_64 CACHE STRING "x86_64 or i686")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TINTORA_ARCH})
set(TOOLCHAIN_PREFIX ${TINTORA_ARCH}-w64-mingw32)
# The program is built with the win32 flavour, which links no threading runtime: the posix one
# brings winpthreads, and with it an import (GetTickCount64) that Windows XP lacks. The tests keep
# the posix flavour, as GoogleTest needs std::mutex, which GCC 12's win32 flavour lacks.
set(TINTORA_THREADS posix CACHE STRING "posix (the tests) or win32 (the program as shipped)")
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-${TINTORA_THREADS})
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-${TINTORA_THREADS})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_DLLTOOL ${TOOLCHAIN_PREFIX}-dlltool)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
