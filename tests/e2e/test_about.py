"""Configure mode: the About window of the .scr under Wine, and the texts the native build prints."""
import io
import os
import re
import struct
import subprocess
import time

import numpy as np
import pytest
from PIL import Image

from conftest import (NATIVE, ROOT, SCR, WINE_RUN, exit_time, focus, geometry, screen_size, screenshot,
                      wait_for_window, wait_until, windows_named, xdotool)

PALE_GREEN = (177, 232, 179)
CAPTION = "About"
# Where the window's elements stand in its client area: left, top, width, height.
TITLE = (94, 20, 280, 20)
PICTURE_ORIGIN = (142, 55)
NOTICE = (20, 150, 380, 80)
BUTTON = (150, 210, 100, 32)


def text_constant(name):
    """A string constant of about_texts.h: its literals joined, escapes read."""
    source = (ROOT / "src/about/about_texts.h").read_text()
    body = re.search(rf"\b{name}\s*=\s*((?:\"(?:[^\"\\]|\\.)*\"\s*)+);", source).group(1)
    return "".join(part.encode().decode("unicode_escape") for part in re.findall(r'"((?:[^"\\]|\\.)*)"', body))


def bitmap_resource(executable, resource_id):
    """Pixels (RGB, rows from the top) of a BITMAP resource of a PE executable, or None."""
    data = executable.read_bytes()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    section_count, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    directories = optional + (96 if struct.unpack_from("<H", data, optional)[0] == 0x10B else 112)
    resource_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    sections = [struct.unpack_from("<8xIIII", data, optional + optional_size + 40 * i) for i in range(section_count)]

    def file_offset(rva):
        for virtual_size, address, raw_size, raw_pointer in sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_pointer
        raise ValueError(f"RVA {rva:#x} is in no section")

    base = file_offset(resource_rva)

    def entries(directory):
        named, numbered = struct.unpack_from("<HH", data, base + directory + 12)
        for i in range(named + numbered):
            yield struct.unpack_from("<II", data, base + directory + 16 + 8 * i)

    def subdirectory(directory, wanted):
        return next((target & 0x7FFFFFFF for name, target in entries(directory) if name == wanted), None)

    bitmaps = subdirectory(0, 2)  # RT_BITMAP
    languages = subdirectory(bitmaps, resource_id) if bitmaps is not None else None
    if languages is None:
        return None
    _, entry = next(entries(languages))
    rva, size = struct.unpack_from("<II", data, base + entry)
    dib = data[file_offset(rva):file_offset(rva) + size]
    header_size, bits, palette = struct.unpack_from("<I10xH16xI", dib, 0)
    palette = palette or (1 << bits if bits <= 8 else 0)
    bmp = b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 14 + header_size + 4 * palette) + dib
    return np.asarray(Image.open(io.BytesIO(bmp)).convert("RGB"))


def region(pixels, box):
    left, top, width, height = box
    return pixels[top:top + height, left:left + width]


@pytest.fixture(scope="module")
def window_rect_helper(tmp_path_factory):
    """A tiny Windows program that asks Wine for the About window's rectangles."""
    exe = tmp_path_factory.mktemp("helper") / "about_window_rect.exe"
    source = ROOT / "tests/e2e/about_window_rect.c"
    subprocess.run(["i686-w64-mingw32-gcc", "-O", "-o", str(exe), str(source), "-luser32"], check=True)
    return exe


def wine_rectangles(helper):
    """((left, top, width, height) of the outer window, (left, top, width, height) of the client)."""
    result = subprocess.run([str(WINE_RUN), str(helper)], capture_output=True, text=True, timeout=60)
    assert result.returncode == 0, "Wine knows no About window"
    numbers = [int(n) for n in result.stdout.split()]
    return tuple(numbers[:4]), tuple(numbers[4:])


class AboutRun:
    def __init__(self, process, window, opened_log):
        self.process = process
        self.window = window
        self.opened_log = opened_log

    def client(self):
        """The client area as it is on the screen now (the X window of a frameless Wine window)."""
        left, top, width, height = geometry(self.window)
        return screenshot()[top:top + height, left:left + width]

    def painted_client(self):
        """The client area once the window has painted: the background is there and the screen
        no longer changes."""
        def settled():
            before = self.client()
            time.sleep(0.3)
            after = self.client()
            done = (after[0, 0] == PALE_GREEN).all() and np.array_equal(before, after)
            return [after] if done else None
        client = wait_until(settled, timeout=15)
        assert client, "the window never finished painting"
        return client[0]

    def opened(self):
        return self.opened_log.read_text().splitlines() if self.opened_log.exists() else []


@pytest.fixture
def about(tmp_path):
    """The .scr started with /c. Wine hands web addresses to xdg-open; a stand-in on PATH writes them
    down instead of starting a browser."""
    opened_log = tmp_path / "opened"
    fake = tmp_path / "bin/xdg-open"
    fake.parent.mkdir()
    fake.write_text(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{opened_log}"\n')
    fake.chmod(0o755)
    env = dict(os.environ, PATH=f"{fake.parent}:{os.environ['PATH']}")
    process = subprocess.Popen([str(WINE_RUN), str(SCR), "/c"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        yield AboutRun(process, wait_for_window(CAPTION, timeout=60), opened_log)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
        wait_until(lambda: not windows_named(CAPTION), timeout=5)


def test_configure_opens_one_window_centred_on_the_screen(about, window_rect_helper):
    assert len(windows_named(CAPTION)) == 1
    outer, client = wine_rectangles(window_rect_helper)
    width, height = screen_size()
    assert outer == (int((width - 400) * 0.5), int((height - 300) * 0.5), 400, 300)
    # The X window that the screenshots read is Wine's client area of that window.
    assert geometry(about.window) == client


def test_client_area_is_pale_green_with_the_picture_at_142_55(about):
    picture = bitmap_resource(SCR, 101)
    assert picture is not None, f"{SCR} carries no bitmap 101"
    client = about.painted_client()
    height, width = picture.shape[:2]
    shown = region(client, (*PICTURE_ORIGIN, width, height))
    assert np.array_equal(shown, picture), f"{np.count_nonzero((shown != picture).any(axis=2))} pixels differ"

    undrawn = np.ones(client.shape[:2], dtype=bool)
    for box in (TITLE, (*PICTURE_ORIGIN, width, height), NOTICE, BUTTON):
        region(undrawn, box)[...] = False
    wrong = (client[undrawn] != PALE_GREEN).any(axis=1)
    assert not wrong.any(), f"{np.count_nonzero(wrong)} background pixels are not pale green"


def test_title_is_black_and_underlined_and_the_notice_blue(about):
    client = about.painted_client()
    title = region(client, TITLE).astype(int)
    dark = (title < 60).all(axis=2)
    assert dark.any(), "no black in the title"
    longest_dark_run = max(max(map(len, "".join("x" if d else " " for d in row).split()), default=0) for row in dark)
    assert longest_dark_run > 100, "the title has no underline"

    notice = region(client, (20, 150, 380, 60)).astype(int)  # above the button
    blue = (notice[..., 0] < 60) & (notice[..., 1] < 110) & (notice[..., 2] > 200)
    assert blue.any(), "no blue in the notice"
    assert not (notice < 60).all(axis=2).any(), "black pixels in the blue notice"


def test_visit_website_opens_the_page_once_per_click_and_keeps_the_window(about):
    left, top, _, _ = geometry(about.window)
    xdotool("mousemove", left + BUTTON[0] + BUTTON[2] // 2, top + BUTTON[1] + BUTTON[3] // 2)
    xdotool("click", 1)
    assert wait_until(lambda: len(about.opened()) >= 1, timeout=15), "no page was opened"
    xdotool("click", 1)
    assert wait_until(lambda: len(about.opened()) >= 2, timeout=15), "the second click opened nothing"
    page = text_constant("webPage") + text_constant("webPageQuery")
    assert about.opened() == [page, page]
    assert about.process.poll() is None
    assert windows_named(CAPTION) == [about.window]


def test_alt_f4_closes_the_window_and_ends_with_exit_code_0(about):
    focus(about.window)
    xdotool("key", "alt+F4")
    assert exit_time(about.process, timeout=15) is not None, "still running after Alt+F4"
    assert about.process.returncode == 0
    assert not windows_named(CAPTION)


def test_native_configure_prints_title_notice_and_web_page():
    result = subprocess.run([str(NATIVE), "/c"], capture_output=True, text=True, timeout=30)
    assert result.returncode == 0
    expected = [text_constant("title"), *text_constant("notice").split("\r\n"), text_constant("webPage")]
    assert result.stdout.splitlines() == expected
    assert "Vorlune Screensaver" in expected and len(expected) == 5
