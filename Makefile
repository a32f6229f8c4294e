# Front door: `make gallery` builds and runs the main job; `make test` builds and runs every test.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps build gallery test clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j 2

gallery: build
	scripts/main-job.sh $(BUILD)

test: build
	ctest --preset $(PRESET)

clean:
	rm -rf build gallery
