# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, configures and builds first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench artwork package clean

all: build

deps:
	@tools/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/vellumet

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD_DIR) --target vellumet-bench -j $(JOBS)
	$(BUILD_DIR)/bin/vellumet-bench

# Redraws the pictures in assets/; the about picture grabs the real window.
artwork: build
	$(BUILD_DIR)/bin/vellumet-artwork assets

# The Debian package, written into the build folder.
package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR)
