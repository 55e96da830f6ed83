# SPDX-License-Identifier: GPL-3.0-or-later
# Wraps CMake. `make run` starts Probex, `make test` runs every test, `make package` builds the
# .deb; all of them install what they need. PROBEX_WERROR=ON (as CI sets it) makes every compiler
# warning an error.
BUILD      ?= build
JOBS       ?= $(shell nproc)
PACKAGES   := g++ make cmake libgtest-dev libgmock-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools \
              qt6-translations-l10n fonts-dejavu-core \
              xvfb x11-apps imagemagick clang-format clang-tidy \
              help2man librsvg2-bin gzip desktop-file-utils appstream man-db bsdextrautils \
              dpkg-dev file lintian
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CTEST_ARGS ?= --output-on-failure -j$(JOBS)
PROBEX_WERROR ?= OFF

.PHONY: all deps build test test-asan test-tsan run bench package format format-check lint clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

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

run: deps
	$(call configure_and_build,$(BUILD),)
	./scripts/run.sh $(BUILD)

bench: deps
	$(call configure_and_build,$(BUILD),)
	./scripts/bench.sh $(BUILD)

# The Debian package, in $(BUILD); lintian lists what it finds and fails the target on an error.
package: deps
	$(call configure_and_build,$(BUILD),)
	rm -f $(BUILD)/probex_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/probex_*.deb

# The house style of .clang-format, over every C++ file git knows.
CXX_SOURCES = git ls-files -z '*.cpp' '*.h'

format: deps
	$(CXX_SOURCES) | xargs -0 clang-format -i

format-check: deps
	$(CXX_SOURCES) | xargs -0 clang-format --dry-run --Werror

# Fixed-width integers spelled std::uint32_t, then clang-tidy, by .clang-tidy's rules, over every
# C++ source git knows and the project headers they include; any finding fails. It needs only a
# configured build folder's compile commands.
BARE_INTEGER := (^|[^:[:alnum:]_])u?int(8|16|32|64|ptr|max)_t\b

lint: SHELL := /bin/bash
lint: .SHELLFLAGS := -o pipefail -c
lint: deps
	@! git grep -nE '$(BARE_INTEGER)' -- '*.cpp' '*.h' || { echo 'Write std::uint32_t and friends.'; exit 1; }
	cmake -S . -B $(BUILD) -DPROBEX_WERROR=$(PROBEX_WERROR) >/dev/null
	git ls-files -z '*.cpp' | xargs -0 -P$(JOBS) -n1 clang-tidy -p $(BUILD) --quiet 2>&1 \
	  | sed '/^[0-9]* warnings\? generated\.$$/d'

clean:
	rm -rf build build-asan build-tsan
