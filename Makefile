# A thin layer over CMake. Every target installs what it needs first (scripts/install-deps).
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
WINDOWS_DIR ?= build-windows
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 30
WERROR ?= OFF
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

QT_MINGW_ARCHIVE ?= ../shared/qt6-mingw/qt6-mingw-6.4.2.tar.xz

.PHONY: all deps build run test bench package package-test test-sanitize windows test-windows fuzz clean

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

# The Windows program, cross-compiled with MinGW-w64 against Qt for Windows (unpacked from QT_MINGW_ARCHIVE
# into the build folder) and libxlsxwriter (cross-built once from Debian's source package), its tests, the deployable folder $(WINDOWS_DIR)/Quarvel, its installer and its
# portable ZIP.
windows:
	scripts/install-deps windows
	[ -d $(WINDOWS_DIR)/qt6-mingw ] || { mkdir -p $(WINDOWS_DIR) && tar -C $(WINDOWS_DIR) -xf $(QT_MINGW_ARCHIVE); }
	scripts/xlsxwriter-mingw $(WINDOWS_DIR)
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/$(WINDOWS_DIR)/qt6-mingw/lib/cmake/Qt6/qt.toolchain.cmake \
	  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_BUILD_TYPE=Release \
	  -DQUARVEL_XLSXWRITER_PREFIX=$(CURDIR)/$(WINDOWS_DIR)/xlsxwriter-mingw -DQUARVEL_WERROR=$(WERROR)
	cmake --build $(WINDOWS_DIR) --parallel $(JOBS)
	rm -rf $(WINDOWS_DIR)/Quarvel
	cmake --install $(WINDOWS_DIR) --prefix $(WINDOWS_DIR)/Quarvel
	cd $(WINDOWS_DIR)/Quarvel && x86_64-w64-mingw32-strip --strip-unneeded *.exe Qt6*.dll lib*.dll */*.dll
	scripts/msi $(WINDOWS_DIR)
	scripts/portable-zip $(WINDOWS_DIR)

# The Windows tests under Wine, in a prefix of the build's own; then the deployed program and its installer
# in fresh prefixes, on a virtual display.
test-windows: windows
	scripts/wine-prefix $(WINDOWS_DIR)/wineprefix
	cd $(WINDOWS_DIR) && ctest --output-on-failure --parallel $(JOBS)
	scripts/windows-check $(WINDOWS_DIR)

# The libFuzzer target (clang, AddressSanitizer, UndefinedBehaviorSanitizer) for FUZZ_SECONDS.
fuzz:
	scripts/install-deps fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DQUARVEL_FUZZ=ON -DQUARVEL_WERROR=$(WERROR)
	cmake --build $(FUZZ_DIR) --parallel $(JOBS)
	scripts/fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(WINDOWS_DIR) $(FUZZ_DIR)
