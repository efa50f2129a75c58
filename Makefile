# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing (Debian packages only), then build.
SHELL := /bin/bash
JPEG_CACHE := $(CURDIR)/build/cache/libjpeg-turbo-mingw

.PHONY: all setup jpeg native mingw build test run bench artwork format clean

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

run: build
	@tools/run-clock.sh

bench: setup
	@[ -f build/bench/CMakeCache.txt ] || cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@build/bench/bench/vc_bench

artwork: native
	@cmake --build --preset native --target vc_artgen
	@build/native/tools/artwork/vc_artgen resources

format:
	@git ls-files -co --exclude-standard '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build
