"""Soak run: each build of the screensaver runs for minutes on the virtual screen in DISPLAY while
its resident memory is sampled; afterwards it must still be drawing and must still end with 0 on a
key. Prints every sample and a verdict per build; exits 1 if any build fails.

  soak.py [native|wine ...]     durations: SOAK_NATIVE_SECONDS (600), SOAK_WINE_SECONDS (300),
                                sampling: SOAK_INTERVAL (10 s)
"""
import os
import pathlib
import statistics
import subprocess
import sys
import time

import numpy as np
from Xlib import X, display as xdisplay

ROOT = pathlib.Path(__file__).resolve().parents[2]
COMMANDS = {
    "native": [str(ROOT / "build/native/vorlune"), "/s"],
    "wine": [str(ROOT / "scripts/wine-run.sh"), str(ROOT / "build/win32/VorluneScreensaver.scr"), "/s"],
}
SECONDS = {"native": int(os.environ.get("SOAK_NATIVE_SECONDS", 600)),
           "wine": int(os.environ.get("SOAK_WINE_SECONDS", 300))}
INTERVAL = int(os.environ.get("SOAK_INTERVAL", 10))
# Growth between the settled start and the end that still counts as noise: allocator and driver
# caches move by a few hundred KiB; a leak of even one small allocation per frame (60 per second)
# passes this within minutes.
NOISE_KIB = 2048
SETTLE_SECONDS = 30


def descendants(pid):
    children = {}
    for stat in pathlib.Path("/proc").glob("[0-9]*/stat"):
        try:
            fields = stat.read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(stat.parent.name))
    found, todo = [], [pid]
    while todo:
        current = todo.pop()
        found.append(current)
        todo.extend(children.get(current, []))
    return found


def program_pid(started, build):
    """The process that runs the screensaver: the native program itself, or Wine's process for the
    .scr among what the Wine start left behind."""
    if build == "native":
        return started.pid
    for pid in descendants(started.pid):
        try:
            if b"VorluneScreensaver.scr" in pathlib.Path(f"/proc/{pid}/cmdline").read_bytes():
                return pid
        except OSError:
            continue
    return None


def resident_kib(pid):
    for line in pathlib.Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1])
    raise RuntimeError("no VmRSS")


def window_id(timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^VorluneScreensaver$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.5)
    return None


def screenshot():
    screen = xdisplay.Display()
    try:
        root = screen.screen().root
        g = root.get_geometry()
        image = root.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF)
        return np.frombuffer(image.data, dtype=np.uint8).reshape(g.height, g.width, 4)[..., :3].astype(int)
    finally:
        screen.close()


def still_drawing():
    first = screenshot()
    time.sleep(1)
    second = screenshot()
    return first.mean() > 8 and np.abs(first - second).mean() > 0.1, first.mean(), np.abs(first - second).mean()


def soak(build):
    print(f"== {build}: {SECONDS[build]} s, resident memory every {INTERVAL} s", flush=True)
    started = subprocess.Popen(COMMANDS[build], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    problems = []
    try:
        window = window_id()
        pid = program_pid(started, build)
        if window is None or pid is None:
            return [f"{build}: no window or process appeared"]
        samples = []
        begin = time.monotonic()
        while time.monotonic() - begin < SECONDS[build]:
            if started.poll() is not None:
                return [f"{build}: ended by itself with {started.returncode} after {time.monotonic() - begin:.0f} s"]
            samples.append((time.monotonic() - begin, resident_kib(pid)))
            print(f"  {samples[-1][0]:6.0f} s  {samples[-1][1]:8d} KiB", flush=True)
            time.sleep(INTERVAL)

        settled = [kib for t, kib in samples if t >= SETTLE_SECONDS] or [kib for _, kib in samples]
        start = statistics.median(settled[:3])
        end = statistics.median(settled[-3:])
        print(f"  settled {start:.0f} KiB, end {end:.0f} KiB, growth {end - start:+.0f} KiB, "
              f"range {min(settled)}..{max(settled)} KiB")
        if end - start > NOISE_KIB:
            problems.append(f"{build}: resident memory grew by {end - start:.0f} KiB")

        drawing, brightness, change = still_drawing()
        print(f"  screen mean {brightness:.1f}, change over 1 s {change:.2f}")
        if not drawing:
            problems.append(f"{build}: the screen is black or no longer changing")

        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        subprocess.run(["xdotool", "key", "space"], check=True)
        try:
            code = started.wait(timeout=15)
            print(f"  ended with {code} on a key")
            if code != 0:
                problems.append(f"{build}: ended with {code}")
        except subprocess.TimeoutExpired:
            problems.append(f"{build}: did not end on a key")
        return problems
    finally:
        if started.poll() is None:
            started.kill()
            started.wait()


def main():
    builds = sys.argv[1:] or ["native", "wine"]
    problems = [p for build in builds for p in soak(build)]
    for problem in problems:
        print("FAIL", problem)
    print("soak: passed" if not problems else "soak: failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
