"""Frames per second of bench_render's three sources on the X screen in DISPLAY, the sources taking
turns. Prints one JSON object of medians.

    render_fps.py BENCH_RENDER [--repeat N] [--seconds S]
"""
import argparse
import json
import statistics
import subprocess

SOURCES = ["program", "effect", "effect-as-program", "flat"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bench_render")
    parser.add_argument("--repeat", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=2.0)
    parser.add_argument("--sources", nargs="+", default=SOURCES, choices=SOURCES)
    args = parser.parse_args()
    samples = {source: [] for source in args.sources}
    for _ in range(args.repeat):
        for source in args.sources:
            out = subprocess.run([args.bench_render, source, str(args.seconds)], check=True,
                                 capture_output=True, text=True).stdout
            samples[source].append(float(out.split()[-1]))
    print(json.dumps({source: statistics.median(values) for source, values in samples.items()}))


if __name__ == "__main__":
    main()
