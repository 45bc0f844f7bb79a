# Windows benchmark programs, each named wine_bench_*; scripts/bench runs every one under Wine
# and hands it the path of tintora.exe. They may use the test helpers (window_fixture.h).
function(tintora_wine_bench name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tintora_win32_test_support)
  tintora_windows_executable(${name})
endfunction()

add_executable(wine_bench_startup bench/wine_startup_bench.cpp bench/startup_bench.rc)
target_compile_definitions(wine_bench_startup PRIVATE UNICODE _UNICODE)
set_source_files_properties(bench/startup_bench.rc PROPERTIES OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/bench/common_controls_6.manifest)
if(NOT MSVC)
  target_link_options(wine_bench_startup PRIVATE -static -municode)
endif()

tintora_wine_bench(wine_bench_picking bench/wine_pick_bench.cpp)
if(NOT MSVC)
  target_link_options(wine_bench_picking PRIVATE -municode)
endif()

add_executable(wine_bench_sampler bench/wine_sampler_bench.cpp)
target_compile_definitions(wine_bench_sampler PRIVATE UNICODE _UNICODE)
if(NOT MSVC)
  target_link_options(wine_bench_sampler PRIVATE -static -municode)
endif()
