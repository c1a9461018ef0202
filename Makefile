# Quick start: `make run` builds and starts Tolvane, `make check` builds and runs the tests.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run check bench screenshots package clean
.PHONY: bench-startup check-asan fuzz check-fresh

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) --parallel $(JOBS)

run: build
	@$(BUILD)/src/app/tolvane

check: build
	@cd $(BUILD) && ctest --output-on-failure --parallel $(JOBS)

# Compiles every source for Windows with MinGW and runs the Win32 pieces under Wine.
.PHONY: check-windows
check-windows: configure
	@sh scripts/check-windows.sh $(BUILD)

# Windows: one static tolvane.exe, cross-built with MinGW-w64 against Debian's
# own Qt source built once into ~/.cache/tolvane/; its zip and installer; and
# the tests, the program and the installer run under Wine.
WIN_BUILD ?= build-windows
.PHONY: windows windows-package check-wine
windows:
	@sh scripts/windows/build.sh $(WIN_BUILD) tolvane
	@x86_64-w64-mingw32-objdump -p $(WIN_BUILD)/src/app/tolvane.exe | sed -n 's/^\tDLL Name: /tolvane.exe imports /p'

windows-package:
	@sh scripts/windows/build.sh $(WIN_BUILD) windows_package

check-wine:
	@sh scripts/windows/check-wine.sh $(WIN_BUILD)

bench: build
	@$(BUILD)/bench/bench_lookup
	@$(BUILD)/bench/bench_interaction
	@$(BUILD)/bench/bench_soak

screenshots: build
	@cmake --build $(BUILD) --target screenshots

package: build
	@cd $(BUILD) && cpack

clean:
	@rm -rf $(BUILD)

# Start-up against an empty Qt window, measured from outside on a private Xvfb.
bench-startup:
	@sh scripts/install-deps.sh xvfb libxcb1-dev
	@$(MAKE) --no-print-directory build
	@$(BUILD)/bench/startup/bench_startup

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, leak
# checking on, in a build folder of its own.
ASAN_BUILD ?= build-asan
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt
check-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) --parallel $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure --parallel $(JOBS)

# The Quick start on fresh Debian 12 and 13 roots: make check and make package
# as a new user there, one line per release (needs root and debootstrap).
check-fresh:
	@sh scripts/check-fresh.sh

# libFuzzer targets (clang), each run for FUZZ_SECONDS from the seeds in fuzz/corpus/.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	@sh scripts/install-deps.sh clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) --parallel $(JOBS)
	@sh fuzz/run.sh $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)
