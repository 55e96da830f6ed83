# SPDX-License-Identifier: GPL-3.0-or-later
# Wraps CMake. `make run` starts Probex, `make test` runs every test, `make package` builds the
# Debian packages; all of them install what they need. PROBEX_WERROR=ON (as CI sets it) makes
# every compiler warning an error.
BUILD      ?= build
JOBS       ?= $(shell nproc)
PACKAGES   := g++ make cmake libgtest-dev libgmock-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools \
              qt6-translations-l10n fonts-dejavu-core \
              xvfb x11-apps imagemagick clang-format clang-tidy \
              help2man librsvg2-bin gzip desktop-file-utils appstream man-db bsdextrautils \
              dpkg-dev file lintian
# What a package build needs beyond that, without the tools' recommendations, which bring in far
# more than a build uses.
PACKAGE_TOOLS := build-essential debhelper devscripts
VERSION    := $(shell sed -n 's/^project.Probex VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CTEST_ARGS ?= --output-on-failure -j$(JOBS)
PROBEX_WERROR ?= OFF
FUZZ_SECONDS ?= 30

# The Windows build: mingw-w64, Qt for Windows (scripts/build-qt-windows.sh), GoogleTest from
# Debian's source, Wine to run the tests and the installer, NSIS to make it.
WINDOWS_BUILD    ?= build-windows
WINDOWS_DIST     := $(WINDOWS_BUILD)/Probex-$(VERSION)
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix ninja-build googletest wine wine64 nsis xvfb x11-utils \
                    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n dpkg-dev
QT_WINDOWS_CACHE ?= $(HOME)/.cache/probex
QT_WINDOWS       := $(QT_WINDOWS_CACHE)/qt6-6.4.2-mingw-w64-x86_64
WINDOWS_TOOLCHAIN := $(CURDIR)/cmake/mingw-w64-x86_64.cmake
GTEST_WINDOWS    := $(CURDIR)/$(WINDOWS_BUILD)/googletest
# Every Wine start of the Windows targets shares one prefix of the build folder.
WINDOWS_ENV      := WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine PROBEX_QT_WINDOWS=$(QT_WINDOWS)

.PHONY: all deps deps-package deps-windows build test test-asan test-tsan test-drivers fuzz run bench package \
        package-reproducible dist format format-check lint clean windows windows-test windows-installer

all: build

# $(1): packages to install when missing, $(2): more apt-get install arguments
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $(2) $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES),)

deps-package: deps
	$(call install_missing,$(PACKAGE_TOOLS),--no-install-recommends)

# $(1): build folder, $(2): extra CMake arguments
define configure_and_build
	cmake -S . -B $(1) -DPROBEX_WERROR=$(PROBEX_WERROR) $(2) >/dev/null
	cmake --build $(1) -j$(JOBS)
endef

build:
	$(call configure_and_build,$(BUILD),)

test: deps
	$(call configure_and_build,$(BUILD),)
	cd $(BUILD) && ctest $(CTEST_ARGS)

test-asan: deps
	$(call configure_and_build,build-asan,-DPROBEX_SANITIZER=address -DCMAKE_BUILD_TYPE=Debug)
	cd build-asan && ctest $(CTEST_ARGS)

test-tsan: deps
	$(call configure_and_build,build-tsan,-DPROBEX_SANITIZER=thread -DCMAKE_BUILD_TYPE=Debug)
	cd build-tsan && ctest $(CTEST_ARGS)

# probex-cli in a QEMU guest (software emulation) on Debian's kernel and its 8250 and ftdi_sio
# drivers, each port served by zaq-sim; see scripts/test-drivers.sh. ZAQ_SIM_ARGS go to both
# simulators: ZAQ_SIM_ARGS=--ignore-writes must make it fail.
DRIVER_TEST_PACKAGES := qemu-system-x86 linux-image-amd64 busybox-static cpio
ZAQ_SIM_ARGS ?=

test-drivers: deps
	$(call install_missing,$(DRIVER_TEST_PACKAGES),--no-install-recommends)
	cmake -S . -B $(BUILD) -DPROBEX_WERROR=$(PROBEX_WERROR) >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target probex-cli zaq-sim
	./scripts/test-drivers.sh $(BUILD) $(ZAQ_SIM_ARGS)

# Every fuzz target for FUZZ_SECONDS from its seed corpus; clang and its fuzzing runtime are
# installed for this target only.
fuzz: PACKAGES += clang libclang-rt-dev
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DPROBEX_FUZZ=ON -DBUILD_TESTING=OFF -DPROBEX_WERROR=$(PROBEX_WERROR) >/dev/null
	cmake --build build-fuzz -j$(JOBS) --target fuzzers
	./scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

run: deps
	$(call configure_and_build,$(BUILD),)
	./scripts/run.sh $(BUILD)

bench: deps
	$(call configure_and_build,$(BUILD),)
	./scripts/bench.sh $(BUILD)

# The source package and the binary packages probex and probex-cli, built by dpkg-buildpackage in
# $(BUILD)/package and checked there (lintian, hardening-check, dependencies, contents); the two
# .debs are copied into $(BUILD).
package: deps-package
	packaging/build-packages.sh $(BUILD)/package
	packaging/check-packages.sh $(BUILD)/package
	rm -f $(BUILD)/probex_*.deb $(BUILD)/probex-cli_*.deb
	cp $(BUILD)/package/probex_$(VERSION)_*.deb $(BUILD)/package/probex-cli_$(VERSION)_*.deb $(BUILD)/

# A second package build, in a folder of another name and depth, must give byte-identical packages.
package-reproducible: package
	packaging/build-packages.sh $(BUILD)/package-again/in/another/folder
	packaging/check-reproducible.sh $(BUILD)/package $(BUILD)/package-again/in/another/folder

# probex-VERSION.tar.gz of the last commit, in $(BUILD).
dist:
	mkdir -p $(BUILD)
	git archive --format=tar --prefix=probex-$(VERSION)/ HEAD | gzip -9n >$(BUILD)/probex-$(VERSION).tar.gz

deps-windows:
	$(call install_missing,$(WINDOWS_PACKAGES),--no-install-recommends)

# probex.exe, probex-cli.exe and the portable test programs for 64-bit Windows, laid out with all
# they load in $(WINDOWS_DIST).
windows: deps-windows
	scripts/build-qt-windows.sh $(QT_WINDOWS_CACHE)
	cmake -S /usr/src/googletest -B $(WINDOWS_BUILD)/googletest-build -G Ninja --toolchain $(WINDOWS_TOOLCHAIN) \
	  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(GTEST_WINDOWS) >/dev/null
	cmake --build $(WINDOWS_BUILD)/googletest-build -j$(JOBS) --target install >/dev/null
	cmake -S . -B $(WINDOWS_BUILD)/cmake -G Ninja --toolchain $(WINDOWS_TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release \
	  "-DCMAKE_PREFIX_PATH=$(QT_WINDOWS);$(GTEST_WINDOWS)" -DPROBEX_WERROR=$(PROBEX_WERROR) >/dev/null
	cmake --build $(WINDOWS_BUILD)/cmake -j$(JOBS)
	rm -rf $(WINDOWS_DIST)
	cmake --install $(WINDOWS_BUILD)/cmake --prefix $(CURDIR)/$(WINDOWS_DIST) --strip >/dev/null

# The portable test programs under Wine, then the end-to-end cases: probex-cli.exe and probex.exe
# under Wine on COM1, mapped to the pseudo-terminal of the Linux zaq-sim.
windows-test: windows deps
	cd $(WINDOWS_BUILD)/cmake && $(WINDOWS_ENV) xvfb-run -a ctest $(CTEST_ARGS)
	cmake -S . -B $(BUILD) -DPROBEX_WERROR=$(PROBEX_WERROR) >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target zaq-sim
	$(WINDOWS_ENV) scripts/windows-e2e.sh $(WINDOWS_DIST) $(BUILD)/tools/zaq-sim docs/screenshot-windows.png

# Probex-VERSION-setup.exe in $(WINDOWS_BUILD), installed and uninstalled under Wine as a check.
windows-installer: windows
	packaging/windows/make-installer.sh $(WINDOWS_DIST) $(VERSION) $(WINDOWS_BUILD)/Probex-$(VERSION)-setup.exe
	$(WINDOWS_ENV) packaging/windows/check-installer.sh $(WINDOWS_BUILD)/Probex-$(VERSION)-setup.exe $(WINDOWS_DIST)

# The house style of .clang-format, over every C++ file git knows.
CXX_SOURCES = git ls-files -z '*.cpp' '*.h'

format: deps
	$(CXX_SOURCES) | xargs -0 clang-format -i

format-check: deps
	$(CXX_SOURCES) | xargs -0 clang-format --dry-run --Werror

# Fixed-width integers spelled std::uint32_t, then clang-tidy, by .clang-tidy's rules, over every
# C++ source git knows and the project headers they include; any finding fails. It needs a
# configured build folder's compile commands and the one generated source (the text catalog's
# data), nothing compiled. Those commands are Linux ones: the Windows sources (the windows/
# folders) are left out, as they compile only with the Windows headers.
BARE_INTEGER := (^|[^:[:alnum:]_])u?int(8|16|32|64|ptr|max)_t\b

lint: SHELL := /bin/bash
lint: .SHELLFLAGS := -o pipefail -c
lint: deps
	@! git grep -nE '$(BARE_INTEGER)' -- '*.cpp' '*.h' || { echo 'Write std::uint32_t and friends.'; exit 1; }
	cmake -S . -B $(BUILD) -DPROBEX_WERROR=$(PROBEX_WERROR) >/dev/null
	cmake --build $(BUILD) --target probex_catalog_data >/dev/null
	git ls-files -z '*.cpp' ':!:*/windows/*' | xargs -0 -P$(JOBS) -n1 clang-tidy -p $(BUILD) --quiet 2>&1 \
	  | sed '/^[0-9]* warnings\? generated\.$$/d'

clean:
	rm -rf build build-asan build-tsan build-fuzz $(WINDOWS_BUILD)
