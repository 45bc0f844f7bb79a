# Cross build of the Windows program with mingw-w64: 64-bit by default, 32-bit with
# -DTINTORA_ARCH=i686. Run under Wine on Linux.
set(TINTORA_ARCH x86_64 CACHE STRING "x86_64 or i686")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TINTORA_ARCH})
set(TOOLCHAIN_PREFIX ${TINTORA_ARCH}-w64-mingw32)
# The posix-threads flavour: GoogleTest needs std::mutex, which the win32 flavour of GCC 12 lacks.
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_DLLTOOL ${TOOLCHAIN_PREFIX}-dlltool)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
