# Set-up, build and test in one step each; see README.md.
#   make run    install what is missing, build, open the window on the simulated reader
#   make test   install what is missing, build, run every test
#   make deps   install only the missing Debian packages

# CI sets CI=true and gets warnings treated as errors.
PRESET ?= $(if $(CI),ci,dev)
BUILD_DIR := build/$(PRESET)

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ pkg-config \
            libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-qpa-plugins libgl-dev \
            fonts-liberation2 xvfb xauth

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps configure build test run clean

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
	cmake --build --preset $(PRESET) --parallel

test: build
	ctest --preset $(PRESET)

# The window needs a screen; say so plainly rather than let the toolkit fail.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set); without one, use: xvfb-run make run"; \
	  exit 1; \
	fi
	$(BUILD_DIR)/bin/tarnix

clean:
	rm -rf build
