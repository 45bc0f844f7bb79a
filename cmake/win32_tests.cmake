# Win32 tests: GoogleTest built for Windows from its sources, each test program run by CTest in a
# fresh Wine prefix on a private X display (scripts/wine-session). The end-to-end tests drive the
# real program with real input from Linux the same way.
option(TINTORA_WIN32_TESTS "Build the Win32 tests" ON)
if(NOT TINTORA_WIN32_TESTS)
  return()
endif()

set(gtest_source /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${gtest_source}/CMakeLists.txt)
  message(STATUS "No GoogleTest sources at ${gtest_source}: building the program without its Win32 tests")
  return()
endif()
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${gtest_source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own code is not held to our warning flags.
target_compile_options(gtest PRIVATE $<IF:$<CXX_COMPILER_ID:MSVC>,/w,-w>)

enable_testing()
set(wine_session ${CMAKE_SOURCE_DIR}/scripts/wine-session)

add_library(tintora_win32_test_support STATIC tests/common/window_fixture.cpp)
target_link_libraries(tintora_win32_test_support PUBLIC tintora_win gtest)
target_include_directories(tintora_win32_test_support PUBLIC tests/common)
add_library(tintora_win32_test_main STATIC tests/common/win32_test_main.cpp)
target_link_libraries(tintora_win32_test_main PUBLIC tintora_win32_test_support)

# One program per area, one fresh prefix per program.
function(tintora_win32_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tintora_win32_test_main)
  tintora_windows_executable(${name})
  add_test(NAME ${name} COMMAND ${wine_session} wine $<TARGET_FILE:${name}>)
endfunction()

tintora_win32_test(win32_window_tests tests/window/window_win32_test.cpp tests/platform/surface_win32_test.cpp)
tintora_win32_test(win32_picking_tests tests/window/picking_win32_test.cpp tests/common/allocation_counter.cpp)
target_link_libraries(win32_picking_tests PRIVATE psapi)
tintora_win32_test(win32_keyboard_tests tests/window/keyboard_win32_test.cpp)
tintora_win32_test(win32_entry_tests tests/window/entry_win32_test.cpp)
tintora_win32_test(win32_eyedropper_tests tests/window/eyedropper_win32_test.cpp)
tintora_win32_test(win32_messenger_tests tests/messenger/registry_win32_test.cpp)
# Save once more with the script host's library switched off: the colour must be stored all the same.
add_test(NAME win32_save_without_script_host_tests COMMAND ${wine_session} wine $<TARGET_FILE:win32_messenger_tests>)
set_tests_properties(win32_messenger_tests PROPERTIES ENVIRONMENT "GTEST_FILTER=-ScriptHostOff.*")
set_tests_properties(win32_save_without_script_host_tests PROPERTIES ENVIRONMENT
  "GTEST_FILTER=ScriptHostOff.*;WINEDLLOVERRIDES=wshom.ocx=d")
# The controls' places and fonts, and picks under the pointer: in a prefix with Wine's own fonts, as on
# Windows, and in one with only the system's fonts, as a user's own fresh prefix; each at 96, 144 and
# 192 dpi, the density in the registry before the program starts, as Windows has it at sign-in.
tintora_win32_test(win32_controls_tests tests/window/controls_win32_test.cpp)
set_tests_properties(win32_controls_tests PROPERTIES ENVIRONMENT "TINTORA_TEST_DPI=96;TINTORA_WINE_FONTS=wine")
foreach(fonts wine none)
  foreach(dpi 96 144 192)
    set(name win32_controls_tests_${fonts}_fonts_${dpi})
    if(fonts STREQUAL wine AND dpi EQUAL 96)
      continue() # that is win32_controls_tests itself
    endif()
    add_test(NAME ${name}
             COMMAND ${wine_session} ${CMAKE_SOURCE_DIR}/scripts/at-dpi ${dpi} wine $<TARGET_FILE:win32_controls_tests>)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "TINTORA_TEST_DPI=${dpi};TINTORA_WINE_FONTS=${fonts}")
  endforeach()
endforeach()

# As on Windows XP: the platform layer finds no function newer than XP, so the window runs at the
# system's density (here 144 dpi) and the eyedropper's magnifier has no display affinity.
add_test(NAME win32_controls_tests_as_xp_144
         COMMAND ${wine_session} ${CMAKE_SOURCE_DIR}/scripts/at-dpi 144 wine $<TARGET_FILE:win32_controls_tests>)
set_tests_properties(win32_controls_tests_as_xp_144 PROPERTIES ENVIRONMENT
  "TINTORA_TEST_DPI=144;TINTORA_WINE_FONTS=wine;TINTORA_TEST_AS_XP=1")
add_test(NAME win32_eyedropper_tests_as_xp COMMAND ${wine_session} wine $<TARGET_FILE:win32_eyedropper_tests>)
set_tests_properties(win32_eyedropper_tests_as_xp PROPERTIES ENVIRONMENT "TINTORA_TEST_AS_XP=1")

# Monitors of 96 and 144 dpi side by side: the window moved between them, and the magnifier over
# each. The test answers each monitor's density itself; Wine has one for all.
tintora_win32_test(win32_density_tests tests/window/density_win32_test.cpp)
set_tests_properties(win32_density_tests PROPERTIES ENVIRONMENT "TINTORA_DESK=two-monitors" LABELS desk)

# Libraries planted beside a program, under the names of those it loads, are never loaded: the
# Win32 test of where libraries come from, with and without the restriction of the search, and the
# real program end to end (test_planted_libraries.py).
add_library(planted_library SHARED tests/program/planted_library.cpp)
set_target_properties(planted_library PROPERTIES PREFIX "")
if(NOT MSVC)
  target_link_options(planted_library PRIVATE -static)
endif()
set(planted_names ole32.dll,oleaut32.dll,oleacc.dll,shcore.dll,dwmapi.dll,comctl32.dll,uxtheme.dll,msimg32.dll)
add_executable(win32_system_library_tests tests/platform/system_library_win32_test.cpp)
target_link_libraries(win32_system_library_tests PRIVATE tintora_win32_test_main)
tintora_windows_executable(win32_system_library_tests)
add_dependencies(win32_system_library_tests planted_library)
foreach(as_xp 0 1)
  set(name win32_system_library_tests)
  set(environment "")
  if(as_xp)
    set(name ${name}_as_xp)
    set(environment TINTORA_TEST_AS_XP=1)
  endif()
  add_test(NAME ${name} COMMAND ${wine_session} ${CMAKE_SOURCE_DIR}/tests/program/beside-planted
           $<TARGET_FILE:planted_library> ${planted_names} $<TARGET_FILE:win32_system_library_tests>)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endforeach()

# Every colour's HSL and every typed triple's colour, on this build's processor (the 32-bit build runs
# it too).
add_executable(win32_hsl_every_colour_test tests/colour/hsl_every_colour_test.cpp
  tests/colour/hsl_every_triple_test.cpp)
target_link_libraries(win32_hsl_every_colour_test PRIVATE tintora_core gtest_main)
if(NOT MSVC)
  target_link_options(win32_hsl_every_colour_test PRIVATE -static)
endif()
# The formula the test holds the program to is worked in SSE2 doubles, as on 64-bit; the program's
# own code is built as it ships, for any i686 processor.
if(TINTORA_I686 AND NOT MSVC)
  set_source_files_properties(tests/colour/hsl_every_colour_test.cpp PROPERTIES COMPILE_OPTIONS "-msse2;-mfpmath=sse")
endif()
add_test(NAME win32_hsl_every_colour_test COMMAND ${wine_session} wine $<TARGET_FILE:win32_hsl_every_colour_test>)
# Label colour: what the 32-bit build runs; wine32: a 32-bit program under Wine.
set(colour_labels colour)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND colour_labels wine32)
endif()
set_tests_properties(win32_hsl_every_colour_test PROPERTIES LABELS "${colour_labels}")

# End-to-end: the real program under real X input, with a probe that reads its readouts.
add_executable(tintora_probe tests/e2e/probe.cpp)
target_compile_definitions(tintora_probe PRIVATE UNICODE _UNICODE)
target_link_libraries(tintora_probe PRIVATE oleacc ole32 oleaut32 uuid)
if(NOT MSVC)
  target_link_options(tintora_probe PRIVATE -static)
endif()
file(GLOB e2e_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.py)
# They run the programs as shipped where they were built beside this build (make build does), or
# else this build's own; the 32-bit one where there is one.
set(TINTORA_EXE "" CACHE FILEPATH "The 64-bit tintora.exe as shipped, for the end-to-end tests")
set(TINTORA_32BIT_EXE "" CACHE FILEPATH "The 32-bit tintora.exe to run the end-to-end tests on as well")
set(program $<TARGET_FILE:tintora>)
if(TINTORA_EXE)
  set(program ${TINTORA_EXE})
endif()
function(tintora_e2e_test name script program)
  get_filename_component(stem ${script} NAME_WE)
  add_test(NAME ${name} COMMAND ${wine_session} /usr/bin/python3 -m unittest -v ${stem}
           WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/e2e)
  set(environment TINTORA_EXE=${program} TINTORA_PROBE=$<TARGET_FILE:tintora_probe> PYTHONDONTWRITEBYTECODE=1 ${ARGN})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()
# The libraries planted beside each program are of its own kind.
set(TINTORA_32BIT_PLANTED_LIBRARY "" CACHE FILEPATH "The 32-bit planted_library.dll, for the 32-bit program's test")
# test_two_monitors.py runs on the two-monitor desk (label desk), the others on one screen.
foreach(script ${e2e_tests})
  get_filename_component(stem ${script} NAME_WE)
  set(desk "")
  if(stem STREQUAL test_two_monitors)
    set(desk TINTORA_DESK=two-monitors)
  endif()
  tintora_e2e_test(e2e_${stem} ${script} ${program} TINTORA_PLANTED_LIBRARY=$<TARGET_FILE:planted_library> ${desk})
  set(labels "")
  if(desk)
    set(labels desk)
    set_tests_properties(e2e_${stem} PROPERTIES LABELS "${labels}")
  endif()
  if(TINTORA_32BIT_EXE)
    tintora_e2e_test(e2e_${stem}_32bit ${script} ${TINTORA_32BIT_EXE}
                     TINTORA_PLANTED_LIBRARY=${TINTORA_32BIT_PLANTED_LIBRARY} ${desk})
    set_tests_properties(e2e_${stem}_32bit PROPERTIES LABELS "wine32;${labels}")
  endif()
endforeach()
# Start-up, Save and the eyedropper with Wine reporting Windows XP.
foreach(stem test_startup_and_save test_sampler)
  tintora_e2e_test(e2e_${stem}_as_xp ${stem}.py ${program} TINTORA_WINDOWS_VERSION=winxp64)
  if(TINTORA_32BIT_EXE)
    tintora_e2e_test(e2e_${stem}_32bit_as_xp ${stem}.py ${TINTORA_32BIT_EXE} TINTORA_WINDOWS_VERSION=winxp)
    set_tests_properties(e2e_${stem}_32bit_as_xp PROPERTIES LABELS wine32)
  endif()
endforeach()

# The programs as shipped load on Windows XP: every import is one of XP's functions. The 32-bit one
# runs on any i686 processor: no MMX or SSE instruction anywhere in it.
if(CMAKE_OBJDUMP)
  add_test(NAME program_imports_in_windows_xp
           COMMAND ${CMAKE_SOURCE_DIR}/tests/program/imports-in-windows-xp ${CMAKE_OBJDUMP}
                   ${CMAKE_SOURCE_DIR}/reference/windows-xp-exports ${program} ${TINTORA_32BIT_EXE})
endif()
# Both carry a manifest that Windows XP SP2 to 11 each read as meant.
if(CMAKE_RC_COMPILER MATCHES windres)
  add_test(NAME program_manifest_for_every_windows
           COMMAND ${CMAKE_SOURCE_DIR}/tests/program/manifest-for-every-windows ${CMAKE_RC_COMPILER} ${program}
                   ${TINTORA_32BIT_EXE})
endif()
if(TINTORA_32BIT_EXE AND CMAKE_OBJDUMP)
  add_test(NAME program_32bit_without_sse
           COMMAND ${CMAKE_SOURCE_DIR}/tests/program/without-sse ${CMAKE_OBJDUMP} ${TINTORA_32BIT_EXE})
endif()

# Benchmarks under Wine, run by `make bench` (scripts/bench), never by the tests.
include(cmake/wine_benches.cmake)
