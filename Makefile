# Set-up, build and test in one step each; see README.md.
#   make run    install what is missing, build, open the window on the simulated reader
#   make test   install what is missing, build, run every test
#   make deps   install only the missing Debian packages
#   make test-asan  build and run every test under AddressSanitizer and UBSan
#   make test-qt5   build and run every test with Qt 5.15 instead of Qt 6
#   make fuzz-check replay the fuzz corpus, then fuzz for a minute
#   make fuzz       fuzz until stopped (or for FUZZ_SECONDS), keeping findings
#   make windows-check    cross-build for 32- and 64-bit Windows, test the reader binding under Wine
#   make windows-check32  the same test built 32-bit, under 32-bit Wine (release check; slow)
#   make bench      start-up against an empty window, command cost, a run of 10,000 writes
#   make install    install into PREFIX (default /usr/local)
#   make package    build the Debian package into build/<preset>/package/
#   make package-check  build the package, install it into a scratch root, start it there

# CI sets CI=true and gets warnings treated as errors.
PRESET ?= $(if $(CI),ci,dev)
BUILD_DIR := build/$(PRESET)

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ pkg-config \
            libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-qpa-plugins libgl-dev \
            fonts-liberation2 xvfb xauth \
            clang libclang-rt-14-dev

# Qt 5.15 for make test-qt5; its libqt5gui5 brings the offscreen platform
# plugin the window tests run on.
PACKAGES += qtbase5-dev

# make bench: the start-up probe's X library, and Python for the table.
# make package-check: dpkg-shlibdeps (with file) for the package's
# dependencies, the desktop file checks, and xdotool to press Read.
PACKAGES += python3 libxcb1-dev dpkg-dev file desktop-file-utils appstream xdotool

# The Windows cross builds, and Wine to run their tests.
PACKAGES += g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps configure build test run clean test-asan fuzz-build fuzz-check fuzz

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed$$' \
	    || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) --parallel $(shell nproc)

test: build
	ctest --preset $(PRESET)

# The window needs a screen; say so plainly rather than let the toolkit fail.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set); without one, use: xvfb-run make run"; \
	  exit 1; \
	fi
	$(BUILD_DIR)/bin/tarnix

# Configure, build and test one preset.
check-preset = cmake --preset $(1) && cmake --build --preset $(1) --parallel 2 && ctest --preset $(1)

# The 32-bit Windows build has only Qt 5, so the window is proved on it too.
.PHONY: test-qt5
test-qt5: deps
	$(call check-preset,qt5)

test-asan: deps
	$(call check-preset,asan)

# The fuzzer feeds entry texts to the write-block encoding; see fuzz/.
FUZZER := build/fuzz/bin/carddata_fuzzer
FUZZ_CORPUS := fuzz/corpus
FUZZ_FLAGS := -dict=fuzz/entry_texts.dict
# What CI's minute of fuzzing adds goes here, not into the committed corpus.
FUZZ_CHECK_DIR := build/fuzz/check
FUZZ_FINDINGS := fuzz/findings
FUZZ_SECONDS ?=

fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz --parallel 2

fuzz-check: fuzz-build
	$(FUZZER) $(FUZZ_CORPUS)/*
	rm -rf $(FUZZ_CHECK_DIR) && mkdir -p $(FUZZ_CHECK_DIR)/corpus
	$(FUZZER) $(FUZZ_FLAGS) -max_total_time=60 -artifact_prefix=$(FUZZ_CHECK_DIR)/ \
	  $(FUZZ_CHECK_DIR)/corpus $(FUZZ_CORPUS)

fuzz: fuzz-build
	mkdir -p $(FUZZ_FINDINGS)/corpus
	@echo "Failing inputs go to $(FUZZ_FINDINGS)/, new corpus entries to $(FUZZ_FINDINGS)/corpus/."
	$(FUZZER) $(FUZZ_FLAGS) $(if $(FUZZ_SECONDS),-max_total_time=$(FUZZ_SECONDS)) \
	  -artifact_prefix=$(FUZZ_FINDINGS)/ $(FUZZ_FINDINGS)/corpus $(FUZZ_CORPUS); \
	status=$$?; \
	echo "Failing inputs: $(FUZZ_FINDINGS)/  New corpus entries: $(FUZZ_FINDINGS)/corpus/"; \
	exit $$status

# The reader binding built for Windows; see README.md, "Building on Windows".
# The 32-bit build is what ships but cannot run here: it is built, which
# checks its calling convention, and its MF1.dll's export table is checked.
# The 64-bit build runs its tests under Wine.
.PHONY: windows-check windows-check32 windows-check32-deps

windows-check: deps
	$(call check-preset,windows-i686)
	$(call check-preset,windows-x86_64)

windows-check32: windows-check32-deps
	$(call check-preset,windows-i686-wine32)

# Wine's 32-bit half needs the i386 architecture. A kernel that runs no
# 32-bit code gets qemu-i386 to run it (tests/windows/wine32.sh).
windows-check32-deps: deps
	dpkg --print-foreign-architectures | grep -qx i386 || $(SUDO) dpkg --add-architecture i386
	$(MAKE) --no-print-directory deps PACKAGES=wine32:i386
	/usr/lib/wine/wine --version >/dev/null 2>&1 || $(MAKE) --no-print-directory deps PACKAGES=qemu-user

clean:
	rm -rf build

# Timed, never asserted; see README.md, "Performance".
.PHONY: bench
bench: build
	python3 bench/run_bench.py $(BUILD_DIR)/bin

# See README.md, "Installing".
PREFIX ?= /usr/local
PACKAGE_DIR := $(BUILD_DIR)/package
.PHONY: install package package-check

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

package: build
	rm -f $(PACKAGE_DIR)/*.deb
	cpack --config $(BUILD_DIR)/CPackConfig.cmake

package-check: package
	packaging/check-package.sh $(PACKAGE_DIR)
