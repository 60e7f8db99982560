"""Measures the programs from outside, on the X screen in DISPLAY: start-up to the first lit frame,
exit latency after a key press, and peak resident memory. Prints one JSON object of medians.

    on_screen.py startup|exit|memory NAME=TITLE=COMMAND... [--repeat N]

Each NAME is measured N times, the programs taking turns so that a change in the machine's load
falls on all of them alike.
"""
import argparse
import json
import pathlib
import statistics
import subprocess
import sys
import time

import numpy as np
from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests/e2e"))
from conftest import focus, geometry, wait_until, windows_named  # noqa: E402

MEMORY_SECONDS = 10
# A channel above this is light, not black: the screensaver's picture and the baseline's grey both
# are, an uncovered screen and a window before its first frame are not.
LIT_LEVEL = 16


class Screen:
    """One connection to the X server, kept open so that polling costs one round trip."""

    def __init__(self):
        self.display = xdisplay.Display()
        self.root = self.display.screen().root
        # A black root, so that nothing but a drawn frame can light the pixels that are polled.
        self.root.change_attributes(background_pixel=self.display.screen().black_pixel)
        self.root.clear_area()
        self.display.sync()

    def lit(self, x, y, width, height):
        """Whether any pixel of three rows across the area is lit."""
        for row in (height // 4, height // 2, 3 * height // 4):
            image = self.root.get_image(x, y + row, width, 1, X.ZPixmap, 0xFFFFFFFF)
            pixels = np.frombuffer(image.data, dtype=np.uint8).reshape(-1, 4)[:, :3]
            if (pixels > LIT_LEVEL).any():
                return True
        return False

    def press_key(self, name="space"):
        keycode = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(self.display, X.KeyPress, keycode)
        xtest.fake_input(self.display, X.KeyRelease, keycode)
        self.display.sync()


def start_until_lit(screen, title, command):
    """Starts command; returns (process, window, seconds from the start to the first lit frame)."""
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    found = wait_until(lambda: windows_named(title), timeout=60, interval=0.002)
    if not found:
        raise RuntimeError(f"no window {title!r} from {command}")
    x, y, width, height = geometry(found[0])
    if not wait_until(lambda: screen.lit(x, y, width, height), timeout=60, interval=0.002):
        raise RuntimeError(f"window {title!r} stayed black")
    return process, found[0], time.monotonic() - start


def stop(process, title):
    if process.poll() is None:
        process.kill()
        process.wait()
    wait_until(lambda: not windows_named(title), timeout=10)


def startup(screen, title, command):
    process, _, seconds = start_until_lit(screen, title, command)
    stop(process, title)
    return seconds


def exit_latency(screen, title, command):
    process, window, _ = start_until_lit(screen, title, command)
    time.sleep(0.5)  # well into the animation, past any start-up work
    focus(window)
    start = time.monotonic()
    screen.press_key()
    process.wait(timeout=30)
    seconds = time.monotonic() - start
    stop(process, title)
    return seconds


def peak_memory(screen, title, command):
    """Peak resident set in bytes over the first ten seconds (the process itself, not a wrapper)."""
    process, _, _ = start_until_lit(screen, title, command)
    time.sleep(MEMORY_SECONDS)
    status = pathlib.Path(f"/proc/{process.pid}/status").read_text()
    peak_kib = next(int(line.split()[1]) for line in status.splitlines() if line.startswith("VmHWM:"))
    stop(process, title)
    return peak_kib * 1024


MEASURES = {"startup": startup, "exit": exit_latency, "memory": peak_memory}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("measure", choices=MEASURES)
    parser.add_argument("programs", nargs="+", help="NAME=TITLE=COMMAND (the command split at blanks)")
    parser.add_argument("--repeat", type=int, default=5)
    parser.add_argument("--warm-up", type=int, default=1, help="untimed runs first, filling file caches")
    args = parser.parse_args()
    programs = [p.split("=", 2) for p in args.programs]
    screen = Screen()
    measure = MEASURES[args.measure]
    samples = {name: [] for name, _, _ in programs}
    for round_ in range(args.warm_up + args.repeat):
        for name, title, command in programs:
            value = measure(screen, title, command.split())
            if round_ >= args.warm_up:
                samples[name].append(value)
    print(json.dumps({name: statistics.median(values) for name, values in samples.items()}))


if __name__ == "__main__":
    main()
