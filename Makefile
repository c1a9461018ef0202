# Quick start: `make run` builds and starts Tolvane, `make check` builds and runs the tests.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run check bench screenshots package clean

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

bench: build
	@$(BUILD)/bench/bench_lookup

screenshots: build
	@cmake --build $(BUILD) --target screenshots

package: build
	@cd $(BUILD) && cpack

clean:
	@rm -rf $(BUILD)
