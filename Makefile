# The two commands a newcomer needs: `make demo` and `make test`. Both install what is missing first.
SHELL := /bin/bash
JOBS ?= $(shell nproc)

.PHONY: all deps build build-windows build-wintest build-native test test-windows test-wintest test-native demo bench \
	bench-marking package screenshots clean

all: build

deps:
	@tools/setup-deps.sh

build-windows: deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS)

build-wintest: deps
	cmake --preset wintest >/dev/null
	cmake --build --preset wintest -j $(JOBS)

build-native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS)

build: build-windows build-wintest build-native

# The product as shipped: every Windows test on the i686 build, under 32-bit Wine.
test-windows: build-windows
	tools/wine-session.sh build/windows ctest --test-dir build/windows --output-on-failure -j $(JOBS)

# The same sources for x86_64 under wine64: a second compiler's view, and pointer-size differences.
test-wintest: build-wintest
	tools/wine-session.sh build/wintest ctest --test-dir build/wintest --output-on-failure -j $(JOBS)

test-native: build-native
	ctest --test-dir build/native --output-on-failure -j $(JOBS)

test: test-windows test-native test-wintest

demo: build-windows
	tools/demo.sh build/windows

# What an operator installs: the i686 zvk.dll and zvkdb.exe with the operators' guide, in one zip.
package: build-windows
	tools/package.sh build/windows build/package/zvk.zip

# The options dialog's pictures in the README, taken from the i686 substitute logbook.
screenshots: build-windows
	tools/options-screenshots.sh build/windows docs

bench: deps bench-marking
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $(JOBS)
	ctest --test-dir build/bench -L bench --verbose

# What marking costs the grids and keystrokes; timing on the x86_64 build under wine64.
bench-marking: build-wintest
	tools/wine-session.sh build/wintest bash -c '"$$WINE" build/wintest/tests/plugin/marking_bench.exe'

clean:
	rm -rf build
