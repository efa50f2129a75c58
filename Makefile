# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing (Debian packages only), then build.
SHELL := /bin/bash
JPEG_CACHE := $(CURDIR)/build/cache/libjpeg-turbo-mingw

.PHONY: all setup jpeg native mingw build test check reproducible run dist bench bench-idle fuzz soak test-repeat artwork format clean

all: build

setup:
	@tools/setup.sh

jpeg: setup
	@tools/build-libjpeg-mingw.sh $(JPEG_CACHE)

native: setup
	@[ -f build/native/CMakeCache.txt ] || cmake --preset native >/dev/null
	@cmake --build --preset native

mingw: jpeg
	@[ -f build/mingw/CMakeCache.txt ] || cmake --preset mingw >/dev/null
	@cmake --build --preset mingw

build: native mingw

test: build
	@ctest --preset native

# The whole suite N times in a row (BUSY=1: one core kept busy meanwhile); each run's
# failures and a summary line are printed, their logs and pictures kept in build/repeat/.
# Not part of make test.
N ?= 10
BUSY ?= 0
test-repeat: build
	@tools/test-repeat.sh $(N) $(BUSY)

# The inner loop: the native tests only (no journeys, package or profile), in seconds.
check: native
	@ctest --preset native -j2 -E '^(e2e|dist|profile)\.'

# Two `make dist` in two folders give the same bytes (about a minute: builds everything twice).
reproducible: setup
	@tests/dist/reproducible.sh

run: build
	@tools/run-clock.sh

# The package a player downloads: dist/VeltriaClock-<version>-win64.zip and SHA256SUMS.
# `make dist SIGN_CERT=cert SIGN_KEY=key [SIGN_TIMESTAMP=url]` signs its exe (tools/dist.sh).
dist: mingw
	@tools/dist.sh $(JPEG_CACHE)

bench: setup
	@[ -f build/bench/CMakeCache.txt ] || cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@build/bench/bench/vc_bench

# The idle clock against a bare program with the same timers, under Wine (about 4 min).
bench-idle: mingw
	@bench/idle.sh

# Each libFuzzer target for FUZZ_SECONDS, in a clang build of its own; not part of make test.
FUZZ_SECONDS ?= 300
FUZZ_TARGETS ?= fuzz_profile fuzz_value_rules fuzz_layout fuzz_vlttime
fuzz:
	@tools/setup.sh fuzz
	@[ -f build/fuzz/CMakeCache.txt ] || cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@tools/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Long runs that look for leaks and growth (about 13 min; figures in build/soak/): the clock
# under Wine with the game for SOAK_MINUTES minutes (10 by default), then the native soak
# under AddressSanitizer.
soak: build
	@tests/soak/soak.sh
	@set -o pipefail; build/native/tests/soak/vc_soak_native | tee build/soak/native.txt

artwork: native
	@cmake --build --preset native --target vc_artgen
	@build/native/tools/artwork/vc_artgen resources

format:
	@git ls-files -co --exclude-standard '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build
