"""The screensaver as the host starts it: full screen on /s, gone on any input, one preview or
plain start at a time."""
import time

import pytest

from conftest import (TITLE, exit_time, focus, geometry, screen_size, send_close_request, wait_for_window,
                      wait_until, windows_named, xdotool)

# What the host waits for after input: the process must be gone within a second.
EXIT_DEADLINE = 1.0


def test_run_switch_covers_the_screen_with_one_window(build):
    process = build.start("/s")
    window = wait_for_window()
    assert len(windows_named(TITLE)) == 1
    x, y, width, height = geometry(window)
    assert (x, y, width, height) == (0, 0, *screen_size())
    assert process.poll() is None


ENDINGS = {
    "letter key": lambda window: xdotool("key", "a"),
    "modifier alone": lambda window: xdotool("key", "shift"),
    "escape": lambda window: xdotool("key", "Escape"),
    "mouse button": lambda window: xdotool("click", 1),
    "close request": send_close_request,
}


@pytest.mark.parametrize("ending", ENDINGS)
def test_any_key_button_or_close_ends_the_run_with_exit_code_0(build, ending):
    process = build.start("/s")
    window = wait_for_window()
    focus(window)
    time.sleep(0.3)  # let the first frames through, as a user would
    ENDINGS[ending](window)
    elapsed = exit_time(process, timeout=5)
    assert elapsed is not None, "still running after the input"
    assert process.returncode == 0
    assert elapsed < EXIT_DEADLINE


def test_moving_the_mouse_ends_nothing(build):
    process = build.start("/s")
    window = wait_for_window()
    focus(window)
    for x, y in [(10, 10), (400, 300), (50, 600), (640, 360)]:
        xdotool("mousemove", x, y)
        time.sleep(0.05)
    time.sleep(1)
    assert process.poll() is None


def start_and_wait(build, *args):
    process = build.start(*args)
    wait_for_window()
    wait_until(lambda: len(windows_named(TITLE)) >= 1, timeout=5)
    return process


@pytest.mark.parametrize("second", [("/p", "1234"), ()], ids=["preview", "no switch"])
def test_second_preview_or_plain_start_is_refused_while_a_plain_start_runs(build, second):
    first = start_and_wait(build)
    refused = build.start(*second)
    assert exit_time(refused, timeout=20) is not None, "the second start kept running"
    assert refused.returncode == 0
    assert len(windows_named(TITLE)) == 1
    assert first.poll() is None


@pytest.mark.parametrize("first_args, second_args", [(("/s",), ("/s",)), (("/s",), ())],
                         ids=["second run", "plain start after a run"])
def test_a_run_neither_is_refused_nor_refuses(build, first_args, second_args):
    first = start_and_wait(build, *first_args)
    second = build.start(*second_args)
    assert wait_until(lambda: len(windows_named(TITLE)) == 2, timeout=30), "the second start opened no window"
    assert first.poll() is None and second.poll() is None
