#!/usr/bin/python3
"""Reference renderer of the background effect: the fragment shader's formulas on the CPU, in
double precision, so that tests can judge what GL draws and the artwork shows real stills.

  effect_reference.py OUTPUT.png [--width W] [--height H] [--time T]

Keep the formulas in step with resources/background_fragment.glsl.
"""
import argparse

import numpy as np


def effect_color(frag_x, frag_y, width, height, time):
    """Colour (red, green, blue, alpha) at window position frag_x, frag_y (origin bottom-left,
    pixel centres at half-integers) of a width by height viewport at time seconds, before the
    framebuffer clamps it: channels may be negative. Arrays broadcast."""
    frag_x, frag_y = np.asarray(frag_x, dtype=np.float64), np.asarray(frag_y, dtype=np.float64)
    t = time * 0.5
    ratio = width / height
    u = frag_x / height * 2.0 - ratio
    v = frag_y / height * 2.0 - 0.925
    r = np.hypot(u, v)
    a = np.arctan2(u, v) / np.pi / 2.0 + np.sin(r + t) * 0.1
    b = 0.85 + np.sin(t * 0.25) * 0.15
    pi = np.pi
    red = r - 0.1 * np.sin(r * pi * 2.0 + t * 4.0) - 0.1 * np.sin(a * pi * 22.0 + t * 4.0) \
        + 0.4 * np.sin(a * pi * 12.0 + t) - 0.5
    green = r - 0.1 * np.sin(r * pi * 3.0 + t * 5.0) - 0.1 * np.sin(a * pi * 26.0 + t * 5.0) \
        - 0.4 * np.sin(a * pi * 8.0 - t) - 0.5
    blue = r - 0.1 * np.sin(r * pi * 2.0 + t * 8.0) - 0.1 * np.sin(a * pi * 24.0 + t * 6.0) \
        - 0.4 * np.sin(a * pi * 10.0) - 0.5
    return np.stack(np.broadcast_arrays(b - np.abs(red), b - np.abs(green), b - np.abs(blue),
                                        np.ones_like(r)), axis=-1)


def render(width, height, time):
    """The whole viewport as an image: height rows from the top, width columns, RGBA in 0..1."""
    xs = np.arange(width) + 0.5
    ys = (np.arange(height) + 0.5)[::-1]
    return np.clip(effect_color(xs[np.newaxis, :], ys[:, np.newaxis], width, height, time), 0.0, 1.0)


def to_bytes(image):
    """0..1 channels as 8-bit values, rounded to nearest as a unorm framebuffer stores them."""
    return np.floor(np.clip(image, 0.0, 1.0) * 255.0 + 0.5).astype(np.uint8)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output")
    parser.add_argument("--width", type=int, default=800)
    parser.add_argument("--height", type=int, default=600)
    parser.add_argument("--time", type=float, default=0.0)
    args = parser.parse_args()
    if args.width < 1 or args.height < 1:
        parser.error("width and height must be at least 1")
    from PIL import Image
    Image.fromarray(to_bytes(render(args.width, args.height, args.time)), "RGBA").save(args.output)


if __name__ == "__main__":
    main()
