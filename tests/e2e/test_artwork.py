"""The reference renderer against the effect's known pixel values, and the checked-in artwork
against what tools/make_artwork.py renders now."""
import pathlib
import struct
import sys

import numpy as np
import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))
import effect_reference  # noqa: E402
import make_artwork  # noqa: E402


@pytest.mark.parametrize("frag, time, expected", [
    ((40.5, 42.5), 0.0, (0.45, 0.65, 0.51)),
    ((10.5, 10.5), 10.0, (0.91, -0.08, 0.69)),  # green is negative before the framebuffer clamps it
    ((0.5, 0.5), 0.0, (-0.15, -0.25, -0.68)),   # black: all three negative
])
def test_reference_colour_at_known_fragments(frag, time, expected):
    colour = effect_reference.effect_color(frag[0], frag[1], 80, 60, time)
    assert colour[:3] == pytest.approx(expected, abs=0.006)
    assert colour[3] == 1.0


def test_render_puts_the_bottom_left_fragment_in_the_last_row():
    image = effect_reference.render(80, 60, 10.0)
    assert image.shape == (60, 80, 4)
    expected = np.clip(effect_reference.effect_color(10.5, 10.5, 80, 60, 10.0), 0, 1)
    assert image[60 - 1 - 10, 10] == pytest.approx(expected)


def test_wider_viewport_shows_more_without_stretching():
    narrow = effect_reference.render(80, 60, 3.0)
    wide = effect_reference.render(120, 60, 3.0)
    assert wide[:, 20:100] == pytest.approx(narrow)


@pytest.fixture(scope="module")
def rendered():
    return make_artwork.artwork()


@pytest.mark.parametrize("name", ["about.bmp", "vorlune_round.ico", "vorlune_petal.ico", "window_icon.rgba"])
def test_checked_in_artwork_is_what_the_renderer_makes(rendered, name):
    assert (ROOT / "resources" / name).read_bytes() == rendered[name], \
        f"resources/{name} is stale: run tools/make_artwork.py"


def test_about_picture_is_a_110_by_83_24_bit_bitmap(rendered):
    data = rendered["about.bmp"]
    assert data[:2] == b"BM"
    width, height, planes, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    assert (width, height, planes, bits, compression) == (110, 83, 1, 24, 0)
    assert len(data) == 54 + 83 * ((110 * 3 + 3) & ~3)


def icon_images(data):
    from PIL import Image
    import io
    reserved, kind, count = struct.unpack_from("<HHH", data)
    assert (reserved, kind) == (0, 1)
    images = {}
    for index in range(count):
        width, height, _, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
        assert (planes, bits) == (1, 32)
        icon = Image.open(io.BytesIO(data))
        icon.size = (width or 256, height or 256)
        images[width or 256] = np.asarray(icon.convert("RGBA"))
    return images


@pytest.mark.parametrize("name", ["vorlune_round.ico", "vorlune_petal.ico"])
def test_icons_hold_four_sizes_opaque_in_the_middle_transparent_in_the_corners(rendered, name):
    images = icon_images(rendered[name])
    assert sorted(images) == [16, 32, 48, 256]
    for size, pixels in images.items():
        assert pixels.shape == (size, size, 4)
        assert pixels[size // 2, size // 2, 3] == 255
        for y, x in [(0, 0), (0, -1), (-1, 0), (-1, -1)]:
            assert pixels[y, x, 3] == 0


def test_petal_icon_is_cut_between_its_lobes_where_the_round_one_is_not(rendered):
    round_icon = icon_images(rendered["vorlune_round.ico"])[256]
    petal_icon = icon_images(rendered["vorlune_petal.ico"])[256]
    # Straight up is the tip of a lobe; 30 degrees beside it lies the gap to the next lobe.
    gap = (128 - int(100 * np.cos(np.pi / 6)), 128 + int(100 * np.sin(np.pi / 6)))
    tip = (128 - 100, 128)
    assert round_icon[gap][3] == 255 and petal_icon[gap][3] == 0
    assert petal_icon[tip][3] == 255


def test_window_icon_is_stored_column_by_column(rendered):
    columns = np.frombuffer(rendered["window_icon.rgba"], np.uint8).reshape(64, 64, 4)
    rows = columns.transpose(1, 0, 2)
    expected = make_artwork.icon_image(64, make_artwork.round_mask)
    assert np.array_equal(rows, expected)
    assert not np.array_equal(columns, expected), "a symmetric picture would not show the order"


def test_png_command_writes_the_frame_of_the_asked_size_and_time(tmp_path):
    import subprocess
    from PIL import Image
    output = tmp_path / "frame.png"
    subprocess.run([sys.executable, str(ROOT / "tools" / "effect_reference.py"), str(output),
                    "--width", "37", "--height", "23", "--time", "4.5"], check=True)
    written = np.asarray(Image.open(output))
    assert written.shape == (23, 37, 4)
    assert np.array_equal(written, effect_reference.to_bytes(effect_reference.render(37, 23, 4.5)))
