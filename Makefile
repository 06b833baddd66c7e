# Two commands for everyone: `make run` and `make test`.
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Arguments for the program, e.g. `make run ARGS="--lang en"`.
ARGS ?=
# Set when the package set-up last succeeded; it runs again when its script is newer.
SETUP_STAMP := $(BUILD)/.setup-deps.stamp

.PHONY: all setup configure build run test bench package fuzz test-sanitize test-clang clean

all: build

$(SETUP_STAMP): scripts/setup-deps.sh
	@bash scripts/setup-deps.sh
	@mkdir -p $(BUILD) && touch $@

setup:
	@bash scripts/setup-deps.sh
	@mkdir -p $(BUILD) && touch $(SETUP_STAMP)

# Configured once; later builds re-run CMake themselves when a CMakeLists.txt changes.
$(BUILD)/CMakeCache.txt: | $(SETUP_STAMP)
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: $(SETUP_STAMP) $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j $(JOBS)

# Only the program is built, quietly, and only when a source is newer than it; the build's log
# is shown when it fails.
PROGRAM := $(BUILD)/app/orbweave/orbweave
run: $(SETUP_STAMP) $(BUILD)/CMakeCache.txt
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display to open the window on: run this in a desktop session, or try 'xvfb-run make run'."; \
	  exit 1; \
	fi
	@if [ ! -x $(PROGRAM) ] || [ -n "$$(find src app translations CMakeLists.txt $(BUILD)/CMakeCache.txt \
	      -newer $(PROGRAM) -print -quit)" ]; then \
	  echo "Building orbweave (log: $(BUILD)/run-build.log)..."; \
	  cmake --build $(BUILD) --target orbweave -j $(JOBS) >$(BUILD)/run-build.log 2>&1 \
	    || { cat $(BUILD)/run-build.log; exit 1; }; \
	fi
	@./$(PROGRAM) $(ARGS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

package: build
	@cmake --build $(BUILD) --target package
	@ls $(BUILD)/orbweave_*.deb

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

# The libFuzzer harnesses (Clang), each run for FUZZ_SECONDS (default 60); see scripts/fuzz.sh.
fuzz:
	@bash scripts/fuzz.sh

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails it.
test-sanitize: setup
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBWEAVE_SANITIZE=ON \
	  -DORBWEAVE_BUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite built with Clang 14 instead of GCC.
test-clang: setup
	@if ! command -v clang++-14 >/dev/null; then echo "Clang 14 is missing: apt-get install clang-14"; exit 1; fi
	@CC=clang-14 CXX=clang++-14 cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build-clang -j $(JOBS)
	@cd build-clang && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD) build-sanitize build-clang build-fuzz
