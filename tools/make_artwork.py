#!/usr/bin/python3
"""Renders every picture the program carries from one moment of the background effect:

  make_artwork.py [DIRECTORY]      (default: resources/ beside this script)

  about.bmp           bitmap 101, the About picture: 110 by 83, 24 bits per pixel
  vorlune_round.ico   icon group 102: 16, 32, 48 and 256 pixels, transparent outside a circle
  vorlune_petal.ico   icon group 113: the same sizes, transparent outside a six-lobed petal
  window_icon.rgba    the window icon: 64 by 64 RGBA, stored column by column

Each picture is a viewport of its own size rendered by effect_reference at ARTWORK_TIME, with
4 by 4 samples per pixel so that small icons stay smooth.
"""
import io
import pathlib
import struct
import sys

import numpy as np

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import effect_reference  # noqa: E402

ARTWORK_TIME = 10.0
SAMPLES = 4
ICON_SIZES = (16, 32, 48, 256)
WINDOW_ICON_SIZE = 64


def downsample(samples):
    """Averages SAMPLES by SAMPLES blocks of an (h*S, w*S, ...) array."""
    h, w = samples.shape[0] // SAMPLES, samples.shape[1] // SAMPLES
    return samples.reshape(h, SAMPLES, w, SAMPLES, *samples.shape[2:]).mean(axis=(1, 3))


def still(width, height):
    """RGBA 0..1, rows from the top: the effect in a width by height viewport."""
    fine = effect_reference.render(width * SAMPLES, height * SAMPLES, ARTWORK_TIME)
    return downsample(fine)


def round_mask(size):
    return lambda distance, angle: distance <= size / 2.0


def petal_mask(size):
    # Six lobes, like the red bands of the effect; the narrowest point is 56 % of the full radius.
    return lambda distance, angle: distance <= size / 2.0 * (0.78 + 0.22 * np.cos(6.0 * angle))


def coverage(size, inside):
    """Share of each pixel's samples that lie inside the mask, rows from the top."""
    steps = (np.arange(size * SAMPLES) + 0.5) / SAMPLES - size / 2.0
    x, y = steps[np.newaxis, :], -steps[:, np.newaxis]
    return downsample(inside(np.hypot(x, y), np.arctan2(x, y)).astype(np.float64))


def icon_image(size, mask):
    image = still(size, size)
    image[..., 3] = coverage(size, mask(size))
    return effect_reference.to_bytes(image)


def bmp_24(pixels):
    """A BMP file of an (h, w, 3+) 8-bit image: BITMAPINFOHEADER, bottom-up BGR rows padded to 4."""
    height, width = pixels.shape[:2]
    stride = (width * 3 + 3) & ~3
    rows = b"".join(pixels[row, :, 2::-1].tobytes().ljust(stride, b"\0") for row in range(height - 1, -1, -1))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info)) + info + rows


def icon_bitmap(pixels):
    """One icon image as Windows keeps it: a 32-bit BGRA DIB of double height, bottom-up, then the
    1-bit AND mask that marks fully transparent pixels for systems that ignore alpha."""
    size = pixels.shape[0]
    colour = pixels[::-1][..., [2, 1, 0, 3]].tobytes()
    transparent = pixels[::-1, :, 3] == 0
    mask_stride = ((size + 31) // 32) * 4
    mask = b"".join(np.packbits(row).tobytes().ljust(mask_stride, b"\0") for row in transparent)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return info + colour + mask


def png(pixels):
    from PIL import Image
    out = io.BytesIO()
    Image.fromarray(pixels, "RGBA").save(out, "PNG", compress_level=9)
    return out.getvalue()


def ico(mask):
    """An icon file with one image per size; 256 pixels as PNG, as Windows expects that size."""
    images = [png(icon_image(s, mask)) if s == 256 else icon_bitmap(icon_image(s, mask)) for s in ICON_SIZES]
    offset = 6 + 16 * len(images)
    entries = b""
    for s, data in zip(ICON_SIZES, images):
        entries += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return struct.pack("<HHH", 0, 1, len(images)) + entries + b"".join(images)


def window_icon():
    pixels = icon_image(WINDOW_ICON_SIZE, round_mask)
    return pixels.transpose(1, 0, 2).tobytes()


def artwork():
    """File name -> bytes of every picture."""
    return {
        "about.bmp": bmp_24(effect_reference.to_bytes(still(110, 83))),
        "vorlune_round.ico": ico(round_mask),
        "vorlune_petal.ico": ico(petal_mask),
        "window_icon.rgba": window_icon(),
    }


def main():
    directory = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "resources"
    for name, data in artwork().items():
        (directory / name).write_bytes(data)
        print(f"{directory / name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
