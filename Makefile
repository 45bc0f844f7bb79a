# Tintora: `make run` starts the program, `make test` runs every test. Both set up what they need.
.PHONY: all setup build native program windows windows32 test run bench screenshot dist format clean

BUILD := build
JOBS ?= $(shell nproc)

all: build

setup:
	@scripts/setup-debian

native: setup
	@scripts/quietly "Configuring the native build (cmake)" \
	  cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=RelWithDebInfo
	@cmake --build $(BUILD)/native -j $(JOBS)

# The programs as shipped, 64- and 32-bit: the toolchain's win32 flavour, which links no threading
# runtime, so they import nothing that Windows XP lacks.
program: setup
	@scripts/quietly "Configuring the 64-bit program (cmake)" \
	  cmake -S . -B $(BUILD)/x86_64 $(WINDOWS_PROGRAM) -DTINTORA_ARCH=x86_64
	@cmake --build $(BUILD)/x86_64 -j $(JOBS) --target tintora
	@scripts/quietly "Configuring the 32-bit program (cmake)" \
	  cmake -S . -B $(BUILD)/i686 $(WINDOWS_PROGRAM) -DTINTORA_ARCH=i686
	@cmake --build $(BUILD)/i686 -j $(JOBS) --target tintora
	@cp $(BUILD)/x86_64/tintora.exe $(BUILD)/tintora.exe

WINDOWS_PROGRAM = -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DTINTORA_THREADS=win32 -DTINTORA_WIN32_TESTS=OFF

# The Win32 tests (the toolchain's posix flavour), which run the programs as shipped end to end.
windows: program windows32
	@scripts/quietly "Configuring the 64-bit Windows tests (cmake)" \
	  cmake -S . -B $(BUILD)/win64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DTINTORA_EXE=$(abspath $(BUILD)/x86_64/tintora.exe) -DTINTORA_32BIT_EXE=$(abspath $(BUILD)/i686/tintora.exe) \
	  -DTINTORA_32BIT_PLANTED_LIBRARY=$(abspath $(BUILD)/win32/planted_library.dll)
	@cmake --build $(BUILD)/win64 -j $(JOBS)

# The 32-bit build of the tests makes only the every-colour check, and the library the 32-bit
# program's tests plant beside it.
windows32: setup
	@scripts/quietly "Configuring the 32-bit Windows tests (cmake)" \
	  cmake -S . -B $(BUILD)/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DTINTORA_ARCH=i686
	@cmake --build $(BUILD)/win32 -j $(JOBS) --target win32_hsl_every_colour_test planted_library

build: native program windows32 windows

test: build
	@scripts/wine-template $(BUILD)/wine-template
	@scripts/wine-template --no-wine-fonts $(BUILD)/wine-template-nofonts
	@cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS)
	@scripts/windows-tests $(BUILD) $(JOBS)
	@tests/program/rebuilds-identically

run: program
	@scripts/run-tintora $(BUILD)/tintora.exe

# Benchmarks measure an optimised build without the sanitizers the tests run under.
bench: build
	@scripts/quietly "Configuring the benchmark build (cmake)" \
	  cmake -S . -B $(BUILD)/native-bench -DCMAKE_BUILD_TYPE=Release -DTINTORA_SANITIZE=OFF
	@cmake --build $(BUILD)/native-bench -j $(JOBS) --target tintora_bench
	@scripts/bench

screenshot: program
	@scripts/wine-template $(BUILD)/wine-template
	@scripts/screenshot $(BUILD)/tintora.exe docs/screenshot.png

VERSION = $(shell scripts/version)

# One zip per Windows flavour: the program, the README and the licence; nothing to install. The same
# commit gives the same bytes in any folder on any day, and SHA256SUMS says which.
dist: program
	@rm -rf dist && mkdir -p dist
	@scripts/make-zip dist/tintora-$(VERSION)-win64.zip $(BUILD)/tintora.exe README.md LICENSE
	@scripts/make-zip dist/tintora-$(VERSION)-win32.zip $(BUILD)/i686/tintora.exe README.md LICENSE
	@cd dist && sha256sum *.zip > SHA256SUMS && cat SHA256SUMS

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
