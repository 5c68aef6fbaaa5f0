# Tresilva 99 — the whole set-up on a fresh Debian 12 machine is `make run` or `make test`.

# Every Debian package the build, the tests and the program need.
PACKAGES := cmake make g++ clang libclang-rt-14-dev pkg-config \
            qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libqt6gui6 libqt6widgets6 \
            libgtest-dev libgmock-dev googletest libbenchmark-dev \
            fonts-liberation2 fonts-comic-neue \
            xvfb xauth xdotool imagemagick x11-utils \
            desktop-file-utils appstream dpkg-dev file

SANITIZE ?= 0
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD ?= build-asan
CMAKE_FLAGS += -DTRESILVA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD ?= build
endif
ifeq ($(CI),true)
CMAKE_FLAGS += -DTRESILVA_WERROR=ON
endif

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
STAMP := $(BUILD)/.configured

.PHONY: all setup configure build test run install package bench fuzz clean

all: build

# Installs only what is missing; a second call finds everything present and does nothing.
setup:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(STAMP): CMakeLists.txt | setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	@touch $@

configure: setup $(STAMP)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The program looks for its help document in the current directory, so it starts in assets/help.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (DISPLAY is not set); run it under Xvfb: xvfb-run -a make run"; exit 1; fi
	cd assets/help && $(abspath $(BUILD))/app/tresilva

# Installs under PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)
	cmake --install $(BUILD)

# The Debian package, an optimised build installed under /usr: build-package/tresilva_<version>_amd64.deb
package: setup
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTRESILVA_DEVELOPER=OFF
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack -G DEB

# Benchmarks: optimised build, each program reports its ratios against a baseline measured in the same run.
bench: setup
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
	cmake --build build-release -j $(JOBS)
	@for b in $$(find build-release/bench -type f -executable -name '*_bench' | sort); do \
	  echo "== $$b"; $$b --benchmark_min_time=0.2 || exit 1; done

# Fuzz targets (libFuzzer through clang), each run for FUZZ_SECONDS.
FUZZ_SECONDS ?= 20
fuzz: setup
	CXX=clang++ cmake -S . -B build-fuzz -DTRESILVA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) --target $(notdir $(basename $(wildcard tests/fuzz/*_fuzz.cpp)))
	@for f in $$(find build-fuzz/tests/fuzz -type f -executable -name '*_fuzz' | sort); do \
	  echo "== $$f"; $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 || exit 1; done

clean:
	rm -rf build build-asan build-release build-fuzz build-package
