# make build: the executable at build/gridlet, optimised (Release); make run: build and start it
# (GoogleTest not needed); make test: the whole suite, on the Release build and under
# AddressSanitizer and UndefinedBehaviorSanitizer, after a check that every C++ file is formatted as
# .clang-format says, then 10 s each of fuzzing the input decoder and the design file reader (make
# fuzz); make install: gridlet into PREFIX/bin, by default /usr/local/bin.
.PHONY: deps run-deps configure build run test format-check fuzz install clean

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

test: build format-check
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGRIDLET_SANITIZE=ON >/dev/null
	@cmake --build build-asan
	cd build && ctest --output-on-failure
	cd build-asan && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure
	@$(MAKE) --no-print-directory fuzz

# Every C++ file as .clang-format lays it out.
format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

FUZZ_TARGETS = input_decoder_fuzz design_file_fuzz

fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DGRIDLET_FUZZ=ON >/dev/null
	@cmake --build build-fuzz --target $(FUZZ_TARGETS)
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p build-fuzz/corpus-$$target; \
		build-fuzz/$$target -max_total_time=10 -rss_limit_mb=1024 build-fuzz/corpus-$$target \
			2>build-fuzz/$$target.log || { tail -40 build-fuzz/$$target.log; exit 1; }; \
		echo "$$target: $$(tail -1 build-fuzz/$$target.log)"; \
	done

install: run-deps configure
	@cmake --build build --target gridlet
	cmake --install build --prefix $(PREFIX)

clean:
	rm -rf build build-asan build-fuzz
