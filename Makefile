# make build: the executable at build/gridlet; make run: start it; make test: the whole suite,
# plain and under AddressSanitizer and UndefinedBehaviorSanitizer.
.PHONY: deps build run test clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build

run: build
	@build/gridlet

test: build
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGRIDLET_SANITIZE=ON >/dev/null
	@cmake --build build-asan
	cd build && ctest --output-on-failure
	cd build-asan && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure

clean:
	rm -rf build build-asan
