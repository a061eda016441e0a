# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, configures and builds first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# The build a packager or user makes: plain CMake, Release, as it comes.
RELEASE_DIR ?= build-release
# The checked build: clang with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers.
SANITIZE_DIR ?= build-sanitize
# The Windows programs, cross-built with MinGW-w64; their tests run under Wine.
WINDOWS_DIR ?= build-windows
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test release bench artwork package check-deps sanitize-configure sanitize-build sanitize fuzz lint windows-deps windows test-windows bench-windows windows-package check-engines clean

all: build

deps:
	@tools/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLUMET_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/vellumet

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# Builds and tests the way a packager does, with no options of ours.
release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	ctest --test-dir $(RELEASE_DIR) --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD_DIR) --target vellumet-bench vellumet-startup-bench -j $(JOBS)
	$(BUILD_DIR)/bin/vellumet-bench
	$(BUILD_DIR)/bin/vellumet-startup-bench

# Redraws the pictures in assets/; the about picture grabs the real window.
artwork: build
	$(BUILD_DIR)/bin/vellumet-artwork assets

# The Debian package, written into the build folder.
package: build
	cmake --build $(BUILD_DIR) --target package

# clang, its sanitizer and fuzzer runtimes, clang-format and clang-tidy.
check-deps:
	@tools/install-deps --checks

sanitize-configure: check-deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	      -DVELLUMET_SANITIZE=ON -DVELLUMET_FUZZ=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
	      -DVELLUMET_WERROR=ON

sanitize-build: sanitize-configure
	cmake --build $(SANITIZE_DIR) -j $(JOBS)

# Every test again, stopping at the first memory or undefined-behaviour fault.
sanitize: sanitize-build
	ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, all at once.
fuzz: sanitize-configure
	cmake --build $(SANITIZE_DIR) --target fuzzers -j $(JOBS)
	tools/run-fuzzers $(SANITIZE_DIR) $(FUZZ_SECONDS)

# Formatting and clang-tidy; clang-tidy reads the checked build's compile commands.
lint: sanitize-build
	tools/lint $(SANITIZE_DIR)

# The cross compiler, Wine, a display for the windows under Wine, and msitools.
windows-deps:
	@tools/install-deps --windows

# Vellumet.exe and vellumet-gen.exe with VellHelp.chm beside them, in $(WINDOWS_DIR)/bin.
windows: windows-deps
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	      -DCMAKE_BUILD_TYPE=Release -DVELLUMET_WERROR=ON
	cmake --build $(WINDOWS_DIR) -j $(JOBS)

# Every test of the Windows build, under Wine, the windows on a virtual display.
test-windows: windows-package
	tools/run-windows-tests $(WINDOWS_DIR) $(JOBS)

# Start-up of Vellumet.exe against a bare Win32 window, under Wine, and the size of the program.
bench-windows: windows
	cmake --build $(WINDOWS_DIR) --target vellumet-windows-startup-bench
	tools/run-windows-tests $(WINDOWS_DIR) bench

# Vellumet-1.0-win64.zip and Vellumet-1.0-x64.msi, written into $(WINDOWS_DIR).
windows-package: windows
	cmake --build $(WINDOWS_DIR) --target windows-package

# The generated code run in real engines: VBScript under Wine's cscript, VB6 and VBA in headless LibreOffice Basic,
# ENGINE_CASES random cases a language; ENGINE_SEED replays a run.
ENGINE_CASES ?= 40
check-engines: deps
	@tools/install-deps --engines
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLUMET_WERROR=ON
	cmake --build $(BUILD_DIR) --target vellumet-gen -j $(JOBS)
	tools/check-engines $(BUILD_DIR) --cases $(ENGINE_CASES) $(if $(ENGINE_SEED),--seed $(ENGINE_SEED))

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(RELEASE_DIR) $(WINDOWS_DIR)
