# Tintora: `make run` starts the program, `make test` runs every test. Both set up what they need.
.PHONY: all setup build native windows test test-native test-windows run bench screenshot format clean

BUILD := build
JOBS ?= $(shell nproc)

all: build

setup:
	@scripts/setup-debian

native: setup
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

windows: setup
	@cmake -S . -B $(BUILD)/win64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(BUILD)/win64 -j $(JOBS)
	@cp $(BUILD)/win64/tintora.exe $(BUILD)/tintora.exe

build: native windows

test: build
	@scripts/wine-template $(BUILD)/wine-template
	@cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS)
	@cd $(BUILD)/win64 && ctest --output-on-failure -j $(JOBS)

run: windows
	@scripts/run-tintora $(BUILD)/tintora.exe

bench: build
	@scripts/bench

screenshot: windows
	@scripts/wine-template $(BUILD)/wine-template
	@scripts/screenshot $(BUILD)/tintora.exe docs/screenshot.png

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
