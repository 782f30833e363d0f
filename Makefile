# A thin layer over CMake. Every target installs what it needs first (scripts/install-deps).
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
WINDOWS_DIR ?= build-windows
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 12
WERROR ?= OFF
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test bench package package-test test-sanitize test-windows fuzz clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DQUARVEL_WERROR=$(WERROR)
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	$(BUILD_DIR)/bin/quarvel

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS)

# The benchmark: every path through the catalogue against the cost of merely reading it (offscreen).
bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/quarvel-bench

# The Debian package (build/quarvel_VERSION_ARCH.deb), and a test that installs and runs it.
package: build
	scripts/install-deps package
	cd $(BUILD_DIR) && cpack

package-test:
	scripts/package-test

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_SANITIZE=ON -DQUARVEL_WERROR=$(WERROR)
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure --parallel $(JOBS)

# The Windows platform layer, cross-compiled with MinGW-w64, and its test run under Wine (verbose: the log
# shows what the management service answers).
test-windows:
	scripts/install-deps windows
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQUARVEL_WINDOWS_PLATFORM_ONLY=ON \
	  -DQUARVEL_WERROR=$(WERROR)
	cmake --build $(WINDOWS_DIR) --parallel $(JOBS)
	cd $(WINDOWS_DIR) && ctest --output-on-failure --verbose

# The libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer), FUZZ_SECONDS each.
fuzz:
	scripts/install-deps fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DQUARVEL_FUZZ=ON -DQUARVEL_WERROR=$(WERROR)
	cmake --build $(FUZZ_DIR) --parallel $(JOBS)
	scripts/fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(WINDOWS_DIR) $(FUZZ_DIR)
