# Thin shortcuts over the CMake presets. `make run` and `make test` install
# what is missing first.
SAMPLE ?= data/pieces.jpg
JOBS ?= $(shell nproc)

.PHONY: deps run build package test dev bench fuzz fuzz-run clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

# The Debian package of the optimised program: build/release/kaptori_<version>_amd64.deb.
package: build
	cd build/release && cpack -G DEB

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
	bash scripts/check-package.sh build/asan

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
