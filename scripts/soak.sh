#!/usr/bin/env bash
# make soak: the native program for ten minutes and the .scr under Wine for five, at 1280x720 on
# a virtual screen of their own, watched by tests/soak/soak.py. Arguments go to soak.py.
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/with-display.sh -s 1280x720 /usr/bin/python3 tests/soak/soak.py "$@"
