# make build: the executable at build/gridlet, optimised (Release); make run: build and start it
# (GoogleTest not needed); make test: the whole suite, on the Release build and under
# AddressSanitizer and UndefinedBehaviorSanitizer; make install: gridlet into PREFIX/bin.
.PHONY: deps run-deps configure build run test install clean

PREFIX ?= /usr/local

deps:
	@scripts/install-deps

run-deps:
	@scripts/install-deps --run

configure:
	@cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

build: deps configure
	@cmake --build build

run: run-deps configure
	@cmake --build build --target gridlet
	@build/gridlet

test: build
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGRIDLET_SANITIZE=ON >/dev/null
	@cmake --build build-asan
	cd build && ctest --output-on-failure
	cd build-asan && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure

install: run-deps configure
	@cmake --build build --target gridlet
	cmake --install build --prefix $(PREFIX)

clean:
	rm -rf build build-asan
