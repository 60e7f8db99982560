"""The preview as the settings dialog runs it: the screensaver in another process draws inside a
small area of the host's window, touches nothing around it, and ends as soon as the area is
disabled (unmapped on X11) or destroyed, leaving the host as it was."""
import os
import queue
import subprocess
import sys
import threading
import time

import numpy as np
import pytest

from conftest import (ROOT, SCR, NATIVE, WINE_RUN, exit_time, geometry, screenshot, started, wait_until,
                      windows_named)

HOST_NATIVE = os.environ.get("VORLUNE_PREVIEW_HOST", str(NATIVE.parent / "preview-host"))
HOST_EXE = os.environ.get("VORLUNE_PREVIEW_HOST_EXE", str(SCR.parent / "preview-host.exe"))
HOST_TITLE = "Vorlune Preview Host"
# The host's own colours (tools/preview-host): around the area, and the area before anyone draws.
HOST_COLOUR = {"native": (0x30, 0x60, 0xa0), "wine": (0xa0, 0x60, 0x30)}


class PreviewHost:
    """A preview host process with the screensaver it started; its reports arrive line by line."""

    def __init__(self, build):
        if build.name == "native":
            command = [HOST_NATIVE, str(NATIVE)]
        else:
            command = [str(WINE_RUN), HOST_EXE, "Z:" + str(SCR).replace("/", "\\")]
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, text=True)
        started.append(self.process)
        self.lines = queue.Queue()
        self.errors = []
        threading.Thread(target=self._read, args=(self.process.stdout, self.lines.put), daemon=True).start()
        threading.Thread(target=self._read, args=(self.process.stderr, self.errors.append), daemon=True).start()
        words = self.expect("area", timeout=60).split()
        self.area = int(words[1])
        self.area_rect = tuple(int(w) for w in words[2:6])  # x, y, width, height in the client area
        self.expect("started", timeout=10)

    @staticmethod
    def _read(stream, keep):
        for line in stream:
            keep(line.rstrip("\n"))

    def expect(self, prefix, timeout):
        """The next report, which must start with prefix."""
        try:
            line = self.lines.get(timeout=timeout)
        except queue.Empty:
            pytest.fail(f"the preview host reported nothing within {timeout} s (wanted {prefix!r})")
        assert line.startswith(prefix), line
        return line

    def send(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()


@pytest.fixture
def open_host(build):
    """Opens preview hosts for the test; each is asked to quit afterwards, which takes its
    screensaver with it (a killed Wine process would leave it running and holding its name)."""
    hosts = []

    def open_one():
        hosts.append(PreviewHost(build))
        return hosts[-1]

    yield open_one
    for host in hosts:
        try:
            host.send("quit")
            host.process.wait(timeout=10)
        except (BrokenPipeError, subprocess.TimeoutExpired):
            pass


def host_client_area():
    """Screen position and size of the host window's client area (Xvfb has no window manager, and
    Wine's X window of a top-level window covers its client area only)."""
    window = wait_until(lambda: windows_named(HOST_TITLE), timeout=30)
    assert window, "the preview host opened no window"
    return geometry(window[0])


def area_on_screen(host):
    ox, oy, _, _ = host_client_area()
    x, y, width, height = host.area_rect
    return ox + x, oy + y, width, height


def wait_for_frames(build):
    # Wine takes a while to start the screensaver's process and its context.
    time.sleep(1.0 if build.name == "native" else 5.0)


def test_preview_draws_only_inside_its_area_and_shows_no_box(build, open_host):
    before = screenshot()
    host = open_host()
    wait_for_frames(build)
    assert host.lines.empty(), f"the screensaver ended: {host.lines.get()}"
    shot = screenshot()
    x, y, width, height = area_on_screen(host)
    ox, oy, host_width, host_height = host_client_area()

    outside = np.ones(shot.shape[:2], dtype=bool)
    outside[y:y + height, x:x + width] = False
    host_window = np.zeros_like(outside)
    host_window[oy:oy + host_height, ox:ox + host_width] = True
    host_window &= outside
    assert (shot[host_window] == HOST_COLOUR[build.name]).all(), "drawn over the host window around the area"
    assert (shot[outside & ~host_window] == before[outside & ~host_window]).all(), "drawn outside the host"
    # A box would be a new top-level window (Wine), or text on standard error (native).
    assert windows_named("Debug") == [] and windows_named("Error") == []
    assert host.errors == []


def closest_reference(picture, latest):
    """The time in [0, latest] at which the reference renderer's picture of this size is closest to
    picture, and the per-pixel largest channel difference there."""
    sys.path.insert(0, str(ROOT / "tools"))
    import effect_reference

    height, width = picture.shape[:2]
    picture = picture.astype(int)

    def difference(t):
        expected = effect_reference.to_bytes(effect_reference.render(width, height, t))[..., :3]
        return np.abs(expected.astype(int) - picture).max(axis=-1)

    def closest(times):
        return min(times, key=lambda t: difference(t).mean())

    coarse = closest(np.arange(0.0, latest, 0.01))
    best = closest(np.arange(coarse - 0.01, coarse + 0.01, 0.0005))
    return best, difference(best)


# Wine on Xvfb does not show GL drawn into child windows: the picture is checked natively.
@pytest.mark.parametrize("build", ["native"], indirect=True)
def test_preview_area_shows_the_animation(build, open_host):
    start = time.monotonic()
    host = open_host()
    wait_for_frames(build)
    x, y, width, height = area_on_screen(host)
    area = screenshot()[y:y + height, x:x + width]
    latest = time.monotonic() - start
    t, difference = closest_reference(area, latest)
    assert difference.max() <= 2, f"closest to the reference at t = {t:.3f} s, still {difference.max()} apart"
    later = screenshot()[y:y + height, x:x + width]
    assert (later != area).any(), "the picture does not move"


@pytest.mark.parametrize("command", ["disable", "destroy"])
def test_preview_ends_within_a_second_when_its_area_goes(build, open_host, command):
    host = open_host()
    wait_for_frames(build)
    sent = time.monotonic()
    host.send(command)
    line = host.expect("exited", timeout=10)
    elapsed = time.monotonic() - sent
    assert line == "exited 0"
    assert elapsed < 1.0, f"the screensaver took {elapsed:.2f} s to end"
    assert host.errors == []
    assert host.process.poll() is None, "the host went with the screensaver"
    if build.name == "wine":
        host.send("check")
        assert host.expect("own procedures", timeout=10) == "own procedures yes"


def test_second_preview_exits_at_once_while_the_first_runs(build, open_host):
    host = open_host()
    wait_for_frames(build)
    second = build.start("/p", str(host.area))
    assert exit_time(second, timeout=10 if build.name == "wine" else 2) is not None, "the second preview kept running"
    assert second.returncode == 0
    assert host.lines.empty(), "the first preview ended"
