# Cantaro: build, run, test, benchmark and fuzz. Every target installs what is missing first.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
TEST_DIR ?= build/test
REL_DIR ?= build/release
FUZZ_DIR ?= build/fuzz
TSAN_DIR ?= build/tsan
# Seconds per fuzz target: 60 for `make fuzz`, 1800 for `make fuzz-long` unless given.
FUZZ_SECONDS ?=
# Only these fuzz targets (names without fuzz_), all when empty.
FUZZ_ONLY ?=
# The shared corpus beside the checkout, for `make chord-model`.
SHARED_DIR ?= ../shared
EXAMPLE ?= examples/korobeiniki.kar

.PHONY: all deps test-deps test test-whole tsan release run bench fuzz fuzz-build fuzz-long package mutants chord-model manual-pictures clean

all: release

deps:
	@bash scripts/install-deps

# What the tests need besides: the programs that read back what the program writes.
test-deps:
	@bash scripts/install-deps --test

# Tests build with AddressSanitizer and UndefinedBehaviorSanitizer.
test: test-deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCANTARO_SANITIZE=ON -DCANTARO_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 900

# Each test program once as one process, its tests shuffled in a fixed order: a test that
# leaves the process otherwise than it found it fails the ones after it (ctest hides that).
test-whole: test
	bash scripts/run-whole $(TEST_DIR) $(or $(SEED),20261207)

# The tests where threads meet, built with ThreadSanitizer.
tsan: deps
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCANTARO_SANITIZE_THREAD=ON -DCANTARO_TESTS=ON
	cmake --build $(TSAN_DIR) -j $(JOBS) --target test_platform test_midi test_song test_chords test_app
	bash scripts/run-tsan $(TSAN_DIR)

# The program, the editor and the benchmarks, optimised.
release: deps
	cmake -S . -B $(REL_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCANTARO_TESTS=OFF -DCANTARO_BENCH=ON
	cmake --build $(REL_DIR) -j $(JOBS)

# The window on a bundled example song; without a display, the song's chord text.
run: release
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(REL_DIR)/bin/cantaro "$(EXAMPLE)"; \
	else \
	  $(REL_DIR)/bin/cantaro --export "$(EXAMPLE)"; \
	fi

# The Debian package cantaro_<version>_<arch>.deb in $(REL_DIR), checked by lintian.
package: deps
	cmake -S . -B $(REL_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCANTARO_TESTS=OFF -DCANTARO_BENCH=ON -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(REL_DIR) -j $(JOBS)
	cd $(REL_DIR) && cpack -G DEB
	lintian --fail-on error $(REL_DIR)/cantaro_*.deb

# The user manual's pictures, from the examples under Xvfb and openbox; look at each before committing.
manual-pictures: release
	python3 scripts/manual-pictures $(REL_DIR)/bin/cantaro

bench: release
	@set -e; for b in $(REL_DIR)/bin/bench_*; do echo "== $$b"; "$$b"; done

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCANTARO_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)

# Each fuzz target briefly, from the committed seeds (what CI runs).
fuzz: fuzz-build
	bash scripts/run-fuzzers $(FUZZ_DIR)/bin $(or $(FUZZ_SECONDS),60) $(FUZZ_ONLY)

# Each fuzz target for half an hour, one after the other, going on from the corpus of earlier
# runs in $(FUZZ_DIR)/corpus; the figures of every run are added to $(FUZZ_DIR)/corpus/runs.log.
fuzz-long: fuzz-build
	bash scripts/run-fuzzers $(FUZZ_DIR)/bin $(or $(FUZZ_SECONDS),1800) $(FUZZ_ONLY)

# Plants single slips in a scratch copy of the core and runs the tests against each (tens of
# minutes; not part of CI).
mutants: deps
	python3 scripts/mutants --jobs $(JOBS)

# Trains the learned chord model again on the 450 pop songs of the shared corpus and rewrites
# the committed data/chord-model.txt (about a minute; the program and the package only read it).
chord-model: deps
	cmake -S . -B $(REL_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCANTARO_TESTS=OFF -DCANTARO_BENCH=ON
	cmake --build $(REL_DIR) -j $(JOBS) --target cantaro_chord_trainer
	$(REL_DIR)/bin/cantaro_chord_trainer -o data/chord-model.txt --first 1 --last 450 \
	  --notice $(SHARED_DIR)/corpus/pop/LICENSE \
	  --comment "trained on the pop songs 001-450 of the shared corpus (MIT licence, above)" \
	  $(SHARED_DIR)/corpus/pop

clean:
	rm -rf build
