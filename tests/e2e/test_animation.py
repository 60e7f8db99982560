"""What the screen shows: the background effect, as the reference renderer computes it, at the
time the program's clock had when the screenshot was taken."""
import sys
import time

import numpy as np

from conftest import ROOT, screenshot, wait_for_window

sys.path.insert(0, str(ROOT / "tools"))
from effect_reference import effect_color, to_bytes  # noqa: E402

# Mean difference over the screen, in 8-bit steps: float precision on the GPU against doubles,
# and the few pixels of a frame that may differ from the frame the search settles on.
TOLERANCE = 2.0
SEARCH_STEP = 1 / 120


def reference_pixels(width, height, t, step):
    """8-bit reference colours at every step-th pixel of the screen (rows from the top)."""
    xs = np.arange(0, width, step) + 0.5
    ys = height - (np.arange(0, height, step) + 0.5)
    colour = effect_color(xs[np.newaxis, :], ys[:, np.newaxis], width, height, t)[..., :3]
    return to_bytes(colour).astype(np.float64)


def best_time(shot, earliest, latest):
    """The program time in [earliest, latest] whose reference frame is closest to the shot, with
    the mean difference of the whole frame at that time."""
    height, width = shot.shape[:2]
    step = 8  # search on a coarse grid of pixels, then judge the whole frame
    sample = shot[::step, ::step].astype(np.float64)

    def error(t):
        return np.abs(reference_pixels(width, height, t, step) - sample).mean()

    times = np.arange(max(earliest, 0.0), latest + SEARCH_STEP, SEARCH_STEP)
    coarse = min(times, key=error)
    t = min(np.arange(coarse - SEARCH_STEP, coarse + SEARCH_STEP, SEARCH_STEP / 8), key=error)
    whole = np.abs(reference_pixels(width, height, t, 1) - shot.astype(np.float64)).mean()
    return t, whole


def test_run_shows_the_effect_and_it_moves_with_time(build):
    start = time.monotonic()
    build.start("/s")
    wait_for_window()
    time.sleep(2)
    first = screenshot()
    first_taken = time.monotonic() - start
    time.sleep(1)
    before_second = time.monotonic() - start
    second = screenshot()
    second_taken = time.monotonic() - start

    t1, error1 = best_time(first, 0.0, first_taken)
    t2, error2 = best_time(second, t1, second_taken)
    assert error1 < TOLERANCE, f"first shot differs from every reference frame (best t={t1:.3f})"
    assert error2 < TOLERANCE, f"second shot differs from every reference frame (best t={t2:.3f})"
    # The program's clock runs with the wall clock: the frames are as far apart as the shots, give
    # or take how long a screenshot and a frame take.
    apart = before_second - first_taken
    assert apart - 0.3 < t2 - t1 < second_taken - first_taken + 0.3, \
        f"program time moved by {t2 - t1:.3f} s between shots {apart:.3f} s apart"
    assert np.abs(first.astype(int) - second.astype(int)).mean() > 5 * TOLERANCE, "the picture did not change"
