# The two commands of the README, and a few helpers.
#   make run   installs what is missing, builds, and starts the simulator on the demo data
#   make test  installs what is missing, builds, and runs every test through CTest
#   make package  builds the Debian package build/harune_<version>_<architecture>.deb

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
BENCH_ARGS ?=

.PHONY: all deps configure build run test bench sanitize fuzz clean screenshot package

all: build

deps:
	@scripts/deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS); \
	fi

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ctest --output-on-failure -j $(JOBS) --timeout 600

# The Debian package, build/harune_<version>_<architecture>.deb, from this build's install rules,
# then checked by lintian (the expected remarks are overridden in dist/lintian-overrides).
package: build
	@cd $(BUILD_DIR) && cpack --config CPackConfig.cmake
	@deb=$$(ls -t $(BUILD_DIR)/harune_*.deb | head -1); echo "lintian $$deb"; \
	  lintian --fail-on error "$$deb"

# Every benchmark program in turn (the folder also holds CMake's own folders); stops at the
# first that fails. BENCH_ARGS goes to each, e.g. BENCH_ARGS=--benchmark_min_time=0.01.
bench: build
	@set -e; for b in $(BUILD_DIR)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then \
	    echo "== $$b"; QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$$b" $(BENCH_ARGS); \
	  fi; \
	done

# An AddressSanitizer/UBSan build of the program, the tool and the tests, in build-asan/, and
# every test run under it.
sanitize:
	@$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug \
	  CMAKE_FLAGS="-DHARUNE_SANITIZE=ON -DHARUNE_BENCH=OFF $(CMAKE_FLAGS)"

# Every fuzz target of fuzz/ for FUZZ_SECONDS each, built with clang in build-fuzz/.
FUZZ_SECONDS ?= 25
fuzz: deps
	@CMAKE_FLAGS="$(CMAKE_FLAGS)" scripts/fuzz.sh $(FUZZ_SECONDS)

# The program under Xvfb, a screenshot of the whole screen after a few seconds.
screenshot: build
	@scripts/screenshot.sh $(BUILD_DIR) shot.png

clean:
	@rm -rf $(BUILD_DIR)
