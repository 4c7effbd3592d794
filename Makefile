# Entry points. `make run` and `make test` do all the set-up on a fresh
# Debian machine (packages are installed when missing and run as root).
BUILD ?= build
SAN_BUILD ?= build-san
TSAN_BUILD ?= build-tsan
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps build build-san run test check check-san check-tsan clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-san: deps
	@cmake -S . -B $(SAN_BUILD) -DTALVEN_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)

# The main job: the end-to-end tool against the simulated sensor.
run: build
	@$(BUILD)/tools/talven-host

# The plain suite, then the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer with leak checking.
test: check check-san

check: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

check-san: build-san
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# The suite under ThreadSanitizer, for changes to code that runs on more than
# one thread (captures completed or cancelled from another thread, the
# message log). Not part of `make test`.
check-tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -DTALVEN_TSAN=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS)
	@TSAN_OPTIONS=halt_on_error=1 ctest --test-dir $(TSAN_BUILD) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(TSAN_BUILD)

# The Windows DLLs, cross-compiled with MinGW-w64, and their checks under
# Wine (docs/windows.md).
WIN_BUILD ?= build-win

.PHONY: windows windows-test

windows:
	@scripts/build-windows.sh $(WIN_BUILD)

windows-test: windows
	@tests/windows/run-wine-checks.sh $(WIN_BUILD)
