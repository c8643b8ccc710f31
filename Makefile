# make run   - install what is missing, build, start the program
# make test  - the same set-up, then every test
# make data  - regenerate the shipped data (needs npm and the Wubi code table)
# make bench - build and run the benchmarks
# make test-sanitize - the whole test suite under ASan + UBSan (in build-asan)
# make fuzz-smoke    - build the fuzz targets (clang, in build-fuzz), 20 s each
# make fuzz          - long fuzz runs, FUZZ_SECONDS per target (default 600)
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test data bench clean test-sanitize fuzz-smoke fuzz

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display found. To run the program without one, use:"; \
		echo "  xvfb-run -a $(BUILD)/radiane"; \
		exit 1; \
	fi
	@$(BUILD)/radiane

test: build
	@bash scripts/cups-pdf-printer >/dev/null || echo "make test: no CUPS PDF printer; the CUPS printing test will be skipped"
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

data: deps
	@bash scripts/make-data $(BUILD)

bench: deps
	@cmake -S . -B $(BUILD) -DRADIANE_BUILD_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@bash scripts/run-bench $(BUILD)

clean:
	@rm -rf $(BUILD)

ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
# Fuzz targets run side by side, each on one core.
FUZZ_JOBS ?= 2

test-sanitize: deps
	@bash scripts/sanitize-test $(ASAN_BUILD)

fuzz-smoke: deps
	@bash scripts/fuzz -j $(FUZZ_JOBS) $(FUZZ_BUILD) 20

fuzz: deps
	@bash scripts/fuzz -j $(FUZZ_JOBS) $(FUZZ_BUILD) $(FUZZ_SECONDS)
