# The Windows program and its Win32 tests. Under mingw-w64 everything links statically, so the
# program is one file with nothing to install.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(pixmaps ${CMAKE_SOURCE_DIR}/src/resources/pixmaps)
set(images ${CMAKE_BINARY_DIR}/images)
set(make_images ${CMAKE_SOURCE_DIR}/src/resources/make_images.py)
add_custom_command(
  OUTPUT ${images}/tintora.ico ${images}/eyedropper.cur ${images}/arrow.bmp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${images}
  COMMAND Python3::Interpreter ${make_images} icon ${images}/tintora.ico ${pixmaps}/icon16.txt ${pixmaps}/icon32.txt
  COMMAND Python3::Interpreter ${make_images} cursor ${images}/eyedropper.cur ${pixmaps}/eyedropper.txt
  COMMAND Python3::Interpreter ${make_images} mask ${images}/arrow.bmp ${pixmaps}/arrow.txt
  DEPENDS ${make_images} ${pixmaps}/icon16.txt ${pixmaps}/icon32.txt ${pixmaps}/eyedropper.txt ${pixmaps}/arrow.txt
  COMMENT "Drawing the icon, the eyedropper and the arrow")
add_custom_target(tintora_images DEPENDS ${images}/tintora.ico ${images}/eyedropper.cur ${images}/arrow.bmp)

enable_language(RC)
configure_file(${CMAKE_SOURCE_DIR}/src/resources/version.h.in ${images}/version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/src/resources/tintora.manifest.in ${images}/tintora.manifest @ONLY)

add_library(tintora_win STATIC
  src/messenger/im_colour.cpp
  src/messenger/registry_reader.cpp
  src/messenger/registry_writer.cpp
  src/messenger/shell_reg_write.cpp
  src/platform/accessible.cpp
  src/platform/balloon_tip.cpp
  src/platform/clipboard.cpp
  src/platform/display.cpp
  src/platform/fitted_font.cpp
  src/platform/dpi.cpp
  src/platform/message_loop.cpp
  src/platform/picture_box.cpp
  src/platform/surface.cpp
  src/platform/system_functions.cpp
  src/platform/system_library.cpp
  src/resources/pictures.cpp
  src/window/accessibility.cpp
  src/window/actions.cpp
  src/window/colour_entry.cpp
  src/window/colour_view.cpp
  src/window/control_fonts.cpp
  src/window/controls.cpp
  src/window/entry_boxes.cpp
  src/window/eyedropper.cpp
  src/window/focus_cues.cpp
  src/window/magnifier.cpp
  src/window/tintora_window.cpp)
# Only libraries that come with every process are imported: COM, the screen readers' library and the
# common controls are loaded from the system folder when first used (platform/system_functions.h).
target_link_libraries(tintora_win PUBLIC tintora_core user32 gdi32 advapi32 uuid)

target_compile_definitions(tintora_win PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

set(resource_script ${CMAKE_SOURCE_DIR}/src/resources/tintora.rc)
set_source_files_properties(${resource_script} PROPERTIES OBJECT_DEPENDS
  "${images}/tintora.ico;${images}/eyedropper.cur;${images}/arrow.bmp;${images}/tintora.manifest")

# Every executable that makes the window carries the pictures.
function(tintora_windows_executable name)
  target_sources(${name} PRIVATE ${resource_script})
  target_include_directories(${name} PRIVATE ${images})
  target_link_libraries(${name} PRIVATE tintora_win)
  add_dependencies(${name} tintora_images)
  if(MSVC)
    target_link_options(${name} PRIVATE /MANIFEST:NO) # the resource script brings the program's own
  else()
    target_link_options(${name} PRIVATE -static)
  endif()
endfunction()

add_executable(tintora WIN32 src/main.cpp)
tintora_windows_executable(tintora)
if(NOT MSVC)
  # Stripped: a release is one small file. No link time in its header, so the same commit always
  # builds the same bytes, and anyone can check a download by building it again.
  target_link_options(tintora PRIVATE -municode $<$<CONFIG:Release>:-s> -Wl,--no-insert-timestamp)
else()
  target_link_options(tintora PRIVATE /Brepro)
endif()

include(cmake/win32_tests.cmake)
