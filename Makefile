# The two commands of the README, and the steps they are made of.
#   make run    set up, build, run the screensaver (under Wine; on a virtual screen without $DISPLAY)
#   make test   set up, build, pass every test
#   make bench  set up, build, run every benchmark and print the table (build/bench/results.md)
#   make fuzz   set up, run every fuzz target for FUZZ_SECONDS each (300; make fuzz FUZZ_SECONDS=60)
#   make soak   set up, build, run both programs for minutes and watch memory, drawing and exit
#   make artwork  render the About picture and the icons anew from the reference renderer
SHELL := /bin/bash
.DEFAULT_GOAL := test
PRESETS := native win32

.PHONY: setup build build-sanitize build-fuzz run test test-native test-win32 test-sanitize test-fuzz \
        check-style fuzz soak bench artwork clean

setup:
	@if [ "$$(id -u)" = 0 ]; then scripts/setup.sh; else sudo scripts/setup.sh; fi

build: setup
	@for preset in $(PRESETS); do cmake --preset $$preset >/dev/null && cmake --build --preset $$preset || exit 1; done

run: build
	scripts/run.sh

# The instrumented builds: ASan and UBSan for the unit and gl tests, libFuzzer for the readers.
build-sanitize: setup
	cmake --preset sanitize >/dev/null && cmake --build --preset sanitize

# FUZZ_SECONDS is how long each target runs: short in make test, long in make fuzz.
FUZZ_SECONDS ?= 15
build-fuzz: setup
	cmake --preset fuzz -DVORLUNE_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null && cmake --build --preset fuzz

# One virtual screen for the whole run; the layers that open windows run one at a time on it.
test: build build-sanitize build-fuzz check-style
	scripts/with-display.sh $(MAKE) --no-print-directory test-native test-win32 test-sanitize
	$(MAKE) --no-print-directory test-fuzz

test-native:
	ctest --preset native -j2

test-win32:
	ctest --preset win32

test-sanitize:
	ctest --preset sanitize

test-fuzz:
	ctest --preset fuzz -j2

check-style: setup
	scripts/check-style.sh

fuzz: FUZZ_SECONDS = 300
fuzz: build-fuzz
	ctest --preset fuzz -j2

# Not part of make test: a quarter of an hour of both programs running, watched from outside.
soak: build
	scripts/soak.sh

# Benchmarks take over whole screens of their own and time what happens on them: one at a time.
bench: build
	/usr/bin/python3 bench/run.py

# The pictures in resources/ are stills of the effect; tests check they match this command's output.
artwork: setup
	/usr/bin/python3 tools/make_artwork.py

clean:
	rm -rf build
