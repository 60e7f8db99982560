"""Shared pieces of the end-to-end tests: the two builds of the screensaver started as the host
starts them, and the X screen they draw on (DISPLAY, a private Xvfb set up by the test run)."""
import os
import pathlib
import subprocess
import time

import numpy as np
import pytest
from Xlib import X, display as xdisplay, protocol

ROOT = pathlib.Path(os.environ.get("VORLUNE_ROOT", pathlib.Path(__file__).resolve().parents[2]))
NATIVE = pathlib.Path(os.environ.get("VORLUNE_NATIVE", ROOT / "build/native/vorlune"))
SCR = pathlib.Path(os.environ.get("VORLUNE_SCR", ROOT / "build/win32/VorluneScreensaver.scr"))
WINE_RUN = ROOT / "scripts/wine-run.sh"
TITLE = "VorluneScreensaver"


class Build:
    """One build of the program and how to start it."""

    def __init__(self, name):
        self.name = name

    def command(self, *args):
        if self.name == "native":
            return [str(NATIVE), *args]
        return [str(WINE_RUN), str(SCR), *args]

    def start(self, *args):
        process = subprocess.Popen(self.command(*args), stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        started.append(process)
        return process

    def __repr__(self):
        return self.name


started = []


@pytest.fixture(params=["native", "wine"])
def build(request):
    yield Build(request.param)
    for process in started:
        if process.poll() is None:
            process.kill()
            process.wait()
    started.clear()
    wait_until(lambda: not windows_named(TITLE), timeout=5)


def wait_until(condition, timeout, interval=0.02):
    """Polls condition until it returns something true; returns that, or None after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(interval)


def x_display():
    return xdisplay.Display()


def windows_named(name):
    """Viewable top-level X windows with this exact name."""
    screen = x_display()
    try:
        found = []
        for window in screen.screen().root.query_tree().children:
            try:
                if window.get_wm_name() == name and window.get_attributes().map_state == X.IsViewable:
                    found.append(window.id)
            except Exception:  # a window that vanished while we looked
                continue
        return found
    finally:
        screen.close()


def wait_for_window(name=TITLE, timeout=30):
    found = wait_until(lambda: windows_named(name), timeout)
    assert found, f"no window named {name!r} appeared within {timeout} s"
    return found[0]


def geometry(window_id):
    screen = x_display()
    try:
        window = screen.create_resource_object("window", window_id)
        g = window.get_geometry()
        origin = window.translate_coords(screen.screen().root, 0, 0)
        return -origin.x, -origin.y, g.width, g.height
    finally:
        screen.close()


def screen_size():
    screen = x_display()
    try:
        root = screen.screen()
        return root.width_in_pixels, root.height_in_pixels
    finally:
        screen.close()


def screenshot():
    """The whole X screen as an RGB array (rows from the top), read straight from the server."""
    screen = x_display()
    try:
        root = screen.screen().root
        geometry_ = root.get_geometry()
        image = root.get_image(0, 0, geometry_.width, geometry_.height, X.ZPixmap, 0xFFFFFFFF)
        pixels = np.frombuffer(image.data, dtype=np.uint8).reshape(geometry_.height, geometry_.width, 4)
        return pixels[..., 2::-1].copy()  # BGRX to RGB
    finally:
        screen.close()


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True)


def focus(window_id):
    """Gives the window the keyboard: synthetic events sent to a window are ignored by Wine, real
    ones (XTEST) go to the focus."""
    xdotool("windowfocus", "--sync", window_id)


def send_close_request(window_id):
    """What a window manager's close button sends: WM_DELETE_WINDOW."""
    screen = x_display()
    try:
        window = screen.create_resource_object("window", window_id)
        protocols = screen.intern_atom("WM_PROTOCOLS")
        delete = screen.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event)
        screen.sync()  # a round trip: the server has delivered the event before we hang up
    finally:
        screen.close()


def exit_time(process, timeout):
    """Seconds until the process ends, or None if it is still running after timeout."""
    start = time.monotonic()
    try:
        process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None
    return time.monotonic() - start
