# The two commands of the README, and a few helpers.
#   make run   installs what is missing, builds, and starts the simulator on the demo data
#   make test  installs what is missing, builds, and runs every test through CTest

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench sanitize fuzz clean screenshot

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

bench: build
	@for b in $(BUILD_DIR)/bench/*; do [ -x "$$b" ] && "$$b"; done

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
