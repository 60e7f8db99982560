# The two commands of the README, and the steps they are made of.
#   make run    set up, build, run the screensaver (under Wine; on a virtual screen without $DISPLAY)
#   make test   set up, build, pass every test
#   make bench  set up, build, run every benchmark and print the table (build/bench/results.md)
SHELL := /bin/bash
.DEFAULT_GOAL := test
PRESETS := native win32

.PHONY: setup build run test test-native test-win32 bench clean

setup:
	@if [ "$$(id -u)" = 0 ]; then scripts/setup.sh; else sudo scripts/setup.sh; fi

build: setup
	@for preset in $(PRESETS); do cmake --preset $$preset >/dev/null && cmake --build --preset $$preset || exit 1; done

run: build
	scripts/run.sh

# One virtual screen for the whole run; the layers that open windows run one at a time on it.
test: build
	scripts/with-display.sh $(MAKE) --no-print-directory test-native test-win32

test-native:
	ctest --preset native -j2

test-win32:
	ctest --preset win32

# Benchmarks take over whole screens of their own and time what happens on them: one at a time.
bench: build
	/usr/bin/python3 bench/run.py

clean:
	rm -rf build
