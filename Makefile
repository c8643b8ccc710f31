# make run   - install what is missing, build, start the program
# make test  - the same set-up, then every test: the suite, the suite again under
#              ASan + UBSan, and a 20-second run of each fuzz target
# make data  - regenerate the shipped data (needs npm and the Wubi code table)
# make bench - build and run the benchmarks
# make test-sanitize - the whole test suite under ASan + UBSan (clang, in build-asan)
# make fuzz-smoke    - the fuzz targets (built in build-asan too), 20 s each
# make fuzz          - long fuzz runs, FUZZ_SECONDS per target (default 600)
# make test-debian13 - build and run the suite in a Debian 13 root (needs root;
#                      the root is kept in /var/cache/radiane)
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test data bench clean test-sanitize fuzz-smoke fuzz test-debian13

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
	@bash scripts/check-format
	@bash scripts/stroke-data
	@bash scripts/cups-pdf-printer >/dev/null || echo "make test: no CUPS PDF printer; the CUPS printing test will be skipped"
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer ($(ASAN_BUILD))"
	@bash scripts/sanitize-test $(ASAN_BUILD)
	@echo "== fuzz smoke: $(SMOKE_SECONDS) s per target"
	@bash scripts/fuzz -j $(FUZZ_JOBS) $(ASAN_BUILD) $(SMOKE_SECONDS)

data: deps
	@bash scripts/make-data $(BUILD)

bench: deps
	@cmake -S . -B $(BUILD) -DRADIANE_BUILD_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@bash scripts/run-bench $(BUILD)

clean:
	@rm -rf $(BUILD)

# One clang build folder holds the sanitized suite and the fuzz targets.
ASAN_BUILD ?= build-asan
FUZZ_SECONDS ?= 600
SMOKE_SECONDS ?= 20
# Fuzz targets run side by side, each on one core.
FUZZ_JOBS ?= 2

test-sanitize: deps
	@bash scripts/sanitize-test $(ASAN_BUILD)

fuzz-smoke: deps
	@bash scripts/fuzz -j $(FUZZ_JOBS) $(ASAN_BUILD) $(SMOKE_SECONDS)

fuzz: deps
	@bash scripts/fuzz -j $(FUZZ_JOBS) $(ASAN_BUILD) $(FUZZ_SECONDS)

test-debian13: deps
	@JOBS=$(JOBS) bash scripts/test-debian13
