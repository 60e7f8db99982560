#!/usr/bin/env bash
# Runs a command with DISPLAY set to a virtual X screen of its own, started here and stopped after.
#   with-display.sh [-s WIDTHxHEIGHT] COMMAND...
# An existing DISPLAY is not used: tests need a screen nobody else types into.
set -euo pipefail
size=1280x720
if [[ ${1:-} == -s ]]; then size=$2; shift 2; fi

for number in $(seq 90 140); do
  [[ -e /tmp/.X${number}-lock || -e /tmp/.X11-unix/X${number} ]] && continue
  Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp -noreset +extension GLX >/dev/null 2>&1 &
  server=$!
  for _ in $(seq 100); do
    [[ -e /tmp/.X11-unix/X${number} ]] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$server" 2>/dev/null && [[ -e /tmp/.X11-unix/X${number} ]]; then
    trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true' EXIT
    export DISPLAY=":$number"
    "$@"
    exit $?
  fi
done
echo "with-display: could not start Xvfb" >&2
exit 1
