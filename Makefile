# make build: the executable at build/gridlet, optimised (Release); make run: build and start it
# (GoogleTest not needed); make test: the whole suite, on the Release build and under
# AddressSanitizer and UndefinedBehaviorSanitizer, then 20 s of fuzzing the input decoder (make
# fuzz); make install: gridlet into PREFIX/bin.
.PHONY: deps run-deps configure build run test fuzz install clean

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
	@$(MAKE) --no-print-directory fuzz

fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DGRIDLET_FUZZ=ON >/dev/null
	@cmake --build build-fuzz --target input_decoder_fuzz
	@mkdir -p build-fuzz/corpus
	@build-fuzz/input_decoder_fuzz -max_total_time=20 -rss_limit_mb=1024 build-fuzz/corpus \
		2>build-fuzz/fuzz.log || { tail -40 build-fuzz/fuzz.log; exit 1; }
	@tail -1 build-fuzz/fuzz.log

install: run-deps configure
	@cmake --build build --target gridlet
	cmake --install build --prefix $(PREFIX)

clean:
	rm -rf build build-asan build-fuzz
