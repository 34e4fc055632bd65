# make build: the executable at build/gridlet; make run: start it; make test: the whole suite,
# plain and under AddressSanitizer and UndefinedBehaviorSanitizer, then 20 s of fuzzing the input
# decoder (make fuzz).
.PHONY: deps build run test fuzz clean

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
	@$(MAKE) --no-print-directory fuzz

fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DGRIDLET_FUZZ=ON >/dev/null
	@cmake --build build-fuzz --target input_decoder_fuzz
	@mkdir -p build-fuzz/corpus
	@build-fuzz/input_decoder_fuzz -max_total_time=20 -rss_limit_mb=1024 build-fuzz/corpus \
		2>build-fuzz/fuzz.log || { tail -40 build-fuzz/fuzz.log; exit 1; }
	@tail -1 build-fuzz/fuzz.log

clean:
	rm -rf build build-asan build-fuzz
