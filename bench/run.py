"""Runs every benchmark and prints one table (figure, program, baseline, ratio, target), also
written to build/bench/results.md. Each figure is a median of repeated runs, and each baseline is
measured in the same run, taking turns with the program, so that the ratios hold on any machine.

    run.py [--native build/native] [--win32 build/win32] [--repeat N]
"""
import argparse
import json
import os
import pathlib
import platform
import subprocess

ROOT = pathlib.Path(__file__).resolve().parents[1]
WITH_DISPLAY = ROOT / "scripts/with-display.sh"
WINE_RUN = ROOT / "scripts/wine-run.sh"
HERE = pathlib.Path(__file__).resolve().parent
PYTHON = "/usr/bin/python3"
RENDER_SIZES = ["640x480", "1920x1080"]
# Start-up, exit and memory are measured on a screen of the tests' size.
SCREEN_SIZE = "1280x720"
TITLE = "VorluneScreensaver"
BASELINE_TITLE = "MinimalGlfw"
WINE_SERVED = 'wineserver -p </dev/null >/dev/null 2>&1 && "$@"; status=$?; wineserver -k; exit $status'


def on_display(size, *command, env=None):
    """Runs command on a private X screen of size; returns its JSON output."""
    out = subprocess.run([str(WITH_DISPLAY), "-s", size, *map(str, command)], check=True,
                         stdout=subprocess.PIPE, text=True, env=env).stdout
    return json.loads(out.strip().splitlines()[-1])


def frame_cost(native, repeat, out):
    """Median CPU nanoseconds per iteration of each Google Benchmark in bench_frame_cost: the code
    is single-threaded, and CPU time does not count the moments another process holds the core."""
    report_file = out / "frame_cost.json"
    subprocess.run([str(WITH_DISPLAY), native / "bench/bench_frame_cost", f"--benchmark_repetitions={repeat}",
                    "--benchmark_report_aggregates_only=true", f"--benchmark_out={report_file}",
                    "--benchmark_out_format=json"], check=True, capture_output=True)
    report = json.loads(report_file.read_text())
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6}
    return {b["run_name"]: b["cpu_time"] * scale[b["time_unit"]]
            for b in report["benchmarks"] if b.get("aggregate_name") == "median"}


def render_fps(native, size, repeat, sources=("program", "effect", "effect-as-program", "flat")):
    return on_display(size, PYTHON, HERE / "render_fps.py", native / "bench/bench_render",
                      "--repeat", repeat, "--sources", *sources)


def on_screen(measure, programs, repeat, env=None):
    args = [f"{name}={title}={' '.join(map(str, command))}" for name, title, command in programs]
    command = [PYTHON, HERE / "on_screen.py", measure, *args, "--repeat", repeat]
    if env is None:
        return on_display(SCREEN_SIZE, *command)
    # Wine's server is started on the screen it serves and kept running between the programs, so
    # that its start falls into no measurement; it goes with the screen, and holds no output pipe.
    return on_display(SCREEN_SIZE, "bash", "-c", WINE_SERVED, "wine", *command, env=env)


def wine_environment():
    """The benchmarks' own Wine prefix, made before anything is measured."""
    env = dict(os.environ, WINEPREFIX=str(ROOT / "build/bench-wine"))
    subprocess.run([str(WINE_RUN), "cmd", "/c", "exit"], env=env, check=True, capture_output=True)
    subprocess.run(["wineserver", "-k"], env=env, stderr=subprocess.DEVNULL)
    return env


def machine():
    cpu = next((line.split(":", 1)[1].strip() for line in pathlib.Path("/proc/cpuinfo").read_text().splitlines()
                if line.startswith("model name")), platform.processor())
    # One line per installed architecture (amd64 and Wine's i386): the same version.
    mesa = subprocess.run(["dpkg-query", "-W", "-f=${Version}\\n", "libgl1-mesa-dri"], capture_output=True,
                          text=True).stdout.split()[0]
    return f"{cpu}, {os.cpu_count()} cores; Mesa {mesa} (llvmpipe); Wine {wine_version()}"


def wine_version():
    return subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()


def load():
    return pathlib.Path("/proc/loadavg").read_text().split()[0]


def row(figure, program, baseline, unit, target="", ratio=None):
    ratio = program / baseline if ratio is None else ratio
    value = "{:,.%df} %s" % unit[::-1]
    return f"| {figure} | {value.format(program)} | {value.format(baseline)} | {ratio:.3f} | {target} |"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--native", type=pathlib.Path, default=ROOT / "build/native")
    parser.add_argument("--win32", type=pathlib.Path, default=ROOT / "build/win32")
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()
    native, win32, repeat = args.native, args.win32, args.repeat
    load_before = load()

    ns, fps, ms, mib = ("ns", 0), ("FPS", 1), ("ms", 0), ("MiB", 1)
    rows = []
    out = ROOT / "build/bench"
    out.mkdir(parents=True, exist_ok=True)
    cost = frame_cost(native, repeat, out)
    frame = cost["frame/program"]
    rows.append(row("host frame cost (no-op GL), program ÷ bare frame", frame, cost["frame/bare"], ns,
                    f"under 2,000 ns: {'met' if frame < 2000 else 'missed'}"))
    for part in ["scene_preparation", "scene_drawing", "matrix_uniforms", "float_uniforms", "registry_lookup",
                 "location_cache_lookup", "matrix_products"]:
        rows.append(row(f"… {part.replace('_', ' ')}, share of the program's frame", cost[f"part/{part}"], frame, ns))

    for size in RENDER_SIZES:
        r = render_fps(native, size, repeat)
        ratio = r["program"] / r["effect"]
        rows.append(row(f"render {size}, program ÷ (a) same shader, one triangle", r["program"], r["effect"], fps,
                        f"≥ 0.970: {'met' if ratio >= 0.97 else 'missed'}"))
        rows.append(row(f"render {size}, program ÷ (a) with the program's two triangles, blending, clear",
                        r["program"], r["effect-as-program"], fps))
        rows.append(row(f"render {size}, (a) ÷ (b) flat colour", r["effect"], r["flat"], fps))

    minimal_native = native / "bench/bench_minimal_glfw"
    minimal_wine = [WINE_RUN, win32 / "bench/bench_minimal_glfw.exe"]
    scr = [WINE_RUN, win32 / "VorluneScreensaver.scr", "/s"]
    env = wine_environment()
    programs = [("native", TITLE, [native / "vorlune", "/s"]), ("native_minimal", BASELINE_TITLE, [minimal_native]),
                ("wine", TITLE, scr), ("wine_minimal", BASELINE_TITLE, minimal_wine)]
    # Starting Wine varies by a second on a busy machine: more runs keep its median steady.
    start = on_screen("startup", programs, 2 * repeat - 1, env)
    leave = on_screen("exit", programs, repeat, env)
    for target in ["native", "wine"]:
        ratio = start[target] / start[f"{target}_minimal"]
        rows.append(row(f"start-up to first frame, {target}, program ÷ minimal GLFW", start[target] * 1e3,
                        start[f"{target}_minimal"] * 1e3, ms, f"≤ 1.2: {'met' if ratio <= 1.2 else 'missed'}"))
    frame_ms = 1e3 / render_fps(native, SCREEN_SIZE, repeat, ["program"])["program"]
    for target in ["native", "wine"]:
        latency = leave[target] * 1e3
        rows.append(row(f"exit after a key press, {target}, program ÷ minimal GLFW", latency,
                        leave[f"{target}_minimal"] * 1e3, ms,
                        f"< one frame ({frame_ms:.0f} ms) + 50 ms: {'met' if latency < frame_ms + 50 else 'missed'}"))
    # The render harness drawing the same shader tells what drawing with any shader costs on
    # llvmpipe from what the program holds of its own.
    memory = on_screen("memory", [("native", TITLE, [native / "vorlune", "/s"]),
                                  ("native_minimal", BASELINE_TITLE, [minimal_native]),
                                  ("effect", "BenchTriangle", [native / "bench/bench_render", "effect", "60"])],
                       max(1, repeat // 2))
    ratio = memory["native"] / memory["native_minimal"]
    rows.append(row("peak resident set over 10 s, native, program ÷ minimal GLFW", memory["native"] / 2**20,
                    memory["native_minimal"] / 2**20, mib, f"≤ 1.2: {'met' if ratio <= 1.2 else 'missed'}"))
    rows.append(row("peak resident set over 10 s, native, program ÷ (a) drawing the same shader",
                    memory["native"] / 2**20, memory["effect"] / 2**20, mib))

    lines = [f"Machine: {machine()}. Load average {load_before} before, {load()} after.",
             f"Medians of {repeat} runs ({2 * repeat - 1} for start-up, {max(1, repeat // 2)} for memory); render "
             f"screens {', '.join(RENDER_SIZES)}; start-up, exit and memory on {SCREEN_SIZE}.",
             "", "| figure | program | baseline | ratio | target |", "|---|---:|---:|---:|---|", *rows]
    text = "\n".join(lines) + "\n"
    results = out / "results.md"
    results.write_text(text)
    print(text, end="")
    print(f"written to {results.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
