# Thin shortcuts over the CMake presets. `make run` and `make test` install
# what is missing first.
SAMPLE ?= data/photo.jpg
JOBS ?= $(shell nproc)

.PHONY: deps run build test dev bench fuzz fuzz-run clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Pas d'affichage : lancement sous xvfb-run"; \
	  xvfb-run -a ./build/release/src/kaptori $(SAMPLE); \
	else ./build/release/src/kaptori $(SAMPLE); fi

test: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)
	bash scripts/check-headless.sh build/asan

dev: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)

bench:
	@bash scripts/install-deps.sh --bench
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $(JOBS)

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)

# make fuzz-run SECONDS=60: every fuzz target that long, from its seeds.
SECONDS ?= 60
fuzz-run: fuzz
	bash scripts/fuzz-run.sh $(SECONDS)

clean:
	rm -rf build
