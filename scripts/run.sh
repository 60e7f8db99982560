#!/usr/bin/env bash
# Runs the Windows screensaver under Wine, as the screensaver host would start it with /s.
# With a DISPLAY it runs there until a key or mouse button ends it. Without one it runs for a few
# seconds on a virtual screen, saves screenshots under build/run/ and prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."
scr=build/win32/VorluneScreensaver.scr

if [[ -n ${DISPLAY:-} ]]; then
  exec scripts/wine-run.sh "$scr" /s
fi

mkdir -p build/run
rm -f build/run/*.png
run_on_virtual_screen() {
  scripts/wine-run.sh "$scr" /s &
  local pid=$!
  # Wine's own start-up (its server, the prefix) takes a varying few seconds; the shots are timed
  # from the moment the screensaver's window exists, so none of them catches an empty screen.
  timeout 60 xdotool search --sync --name '^VorluneScreensaver$' >/dev/null
  for shot in 1 2 3; do
    sleep 1
    import -window root "build/run/screenshot-$shot.png"
    echo "build/run/screenshot-$shot.png"
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
export -f run_on_virtual_screen
export scr
scripts/with-display.sh -s 1280x720 bash -c run_on_virtual_screen
