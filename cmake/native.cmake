# Native build: the pure code, unit-tested with GoogleTest under AddressSanitizer and
# UndefinedBehaviorSanitizer, and benchmarked with Google Benchmark.
option(TINTORA_SANITIZE "Build with ASan and UBSan" ON)
if(TINTORA_SANITIZE)
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(tintora_core PUBLIC ${sanitizers})
  target_link_options(tintora_core PUBLIC ${sanitizers})
endif()

find_package(GTest REQUIRED)
enable_testing()
add_executable(tintora_unit_tests
  tests/colour/hsl_every_colour_test.cpp
  tests/colour/hsl_inverse_test.cpp
  tests/common/allocation_counter.cpp
  tests/messenger/key_path_test.cpp
  tests/model/colour_codes_test.cpp
  tests/model/colour_model_test.cpp
  tests/model/key_rules_test.cpp
  tests/model/palette_picture_test.cpp
  tests/model/strip_and_readouts_test.cpp
  tests/platform/dpi_scale_test.cpp
  tests/platform/font_choice_test.cpp
  tests/window/geometry_test.cpp
  tests/window/magnifier_geometry_test.cpp
  tests/window/presentation_test.cpp)
target_link_libraries(tintora_unit_tests PRIVATE tintora_core GTest::gtest_main)
target_include_directories(tintora_unit_tests PRIVATE tests/common)
include(GoogleTest)
gtest_discover_tests(tintora_unit_tests)

# Every colour and every typed triple through the HSL inverse: optimised and without the sanitizers,
# it takes seconds.
add_executable(tintora_exhaustive_tests tests/colour/hsl_exhaustive_test.cpp tests/colour/hsl_every_triple_test.cpp
  src/colour/hsl.cpp src/colour/hsl_inverse.cpp)
target_include_directories(tintora_exhaustive_tests PRIVATE src)
target_compile_options(tintora_exhaustive_tests PRIVATE -O2)
target_link_libraries(tintora_exhaustive_tests PRIVATE GTest::gtest_main)
gtest_discover_tests(tintora_exhaustive_tests)

find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(tintora_bench bench/pick_bench.cpp)
  target_link_libraries(tintora_bench PRIVATE tintora_core benchmark::benchmark)
endif()
