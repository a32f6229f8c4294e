# Front door: `make gallery` builds and renders the gallery; `make test` builds and runs every test.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps build gallery test test-unit clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j 2

gallery: build
	scripts/render-gallery.sh $(BUILD)

# Every test: the C++ sources' format, the native suite, the same suite under the sanitizers
# with the fuzz targets, the Windows module's checks, the playground in a browser, the
# Inkscape extension, the Python package.
test: test-format test-unit test-reliability test-windows test-browser test-inkscape test-python

# Every C++ source as .clang-format lays it out; `make format` rewrites them so.
.PHONY: test-format format
test-format:
	@scripts/install-deps.sh format
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

format:
	@scripts/install-deps.sh format
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

.PHONY: test-reliability
test-reliability: deps
	scripts/ci-reliability.sh

test-unit: build
	ctest --preset $(PRESET)

clean:
	rm -rf build gallery

# The Windows x86 module build/win-i686/ZU41_QuenTarb.aip (mingw-w64), and its checks: the
# module read statically, the Windows test program under Wine, drawings compared with Linux.
.PHONY: windows test-windows

windows:
	@scripts/install-deps.sh windows
	scripts/build-windows.sh

test-windows: build
	@scripts/install-deps.sh windows
	scripts/test-windows.sh $(BUILD)

# The benchmark suite (Release build in build/bench); never part of `make test`.
# BENCH_ARGS passes Google Benchmark flags, e.g. BENCH_ARGS=--benchmark_filter=Event/default.
BENCH_ARGS ?= --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
.PHONY: bench

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build/bench -j 2 --target quentarb_bench
	build/bench/quentarb_bench $(BENCH_ARGS)

# The soak: the suite's Soak runs, long drags with memory watched; fails when memory grows.
# CI runs it in test-reliability (scripts/ci-reliability.sh).
.PHONY: soak

soak: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build/bench -j 2 --target quentarb_bench
	build/bench/quentarb_bench --benchmark_filter=Soak

# The playground: the plug-in and the host in WebAssembly with the static page (build/wasm/site),
# and its browser test in headless Chromium, compared with the command line of $(BUILD).
.PHONY: playground test-browser bench-browser

playground:
	@scripts/install-deps.sh playground
	scripts/build-playground.sh

test-browser: build
	@scripts/install-deps.sh playground
	tests/browser/run.sh $(BUILD)/quentarb

# The playground's browser benchmark (a script, not a test; results in BENCHMARKS.md).
bench-browser:
	@scripts/install-deps.sh playground
	tests/browser/run.sh --bench

# The Inkscape extension: `make inkscape` installs Inkscape when it is missing and copies the
# built extension, with its engine, into ~/.config/inkscape/extensions/quentarb/; its tests run
# the script as Inkscape does and Inkscape itself once, under Xvfb.
.PHONY: inkscape test-inkscape

inkscape: build
	@scripts/install-deps.sh inkscape
	/usr/bin/python3 inkscape/install.py $(BUILD)

test-inkscape: build
	@scripts/install-deps.sh inkscape
	inkscape/tests/run.sh $(BUILD)

# The Python package quentarb, built in place in $(BUILD)/python (PYTHONPATH=$(BUILD)/python),
# and its tests: pytest from Debian against the command line of the same build (the install
# test builds the package again with pip in a venv), then the example's contact sheet.
.PHONY: python test-python

python: deps
	@scripts/install-deps.sh python
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j 2 --target quentarb_python quentarb

test-python: python
	QUENTARB_BUILD=$(BUILD) /usr/bin/python3 -m pytest -p no:cacheprovider python/tests
	PYTHONPATH=$(BUILD)/python /usr/bin/python3 examples/variations.py $(BUILD)/variations.svg
