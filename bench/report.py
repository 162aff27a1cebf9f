#!/usr/bin/python3
"""Prints the benchmark table: the median of the repetitions of each benchmark
from pg_bench's JSON, the targets it is held to, and (given the peers' JSON:
matplotlib's, the cairo program's, in any order) their frame times with the
ratio peer / ours for the standard chart.

  report.py OURS.json [--pair PAIR.json] [PEER.json ...]

PAIR.json is a run of the flat and the 3D standard repaints alone, their
repetitions interleaved at random: the flat chart is judged against the 3D one
from that run, as the machine's speed drifts between the main run's far-apart
benchmarks by more than the two differ.

Exits 1 when a target is missed, so that a run of the benchmarks fails then.

Targets are judged on CPU time: the machine is shared, and a paint runs on one
thread, so wall time also counts the waits for other programs (shown beside).
"""
import json
import sys

MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}

# name -> (limit in ms, what the limit is)
TIME_TARGETS = {
    "repaint/standard_3d": (0.2, "<= 0.2 ms"),
    "repaint/from_buffer": (0.1, "<= 0.1 ms"),
    "repaint/slices/10000": (20.0, "<= 20 ms"),
    "repaint/slices/100000": (250.0, "<= 250 ms"),
    "png/standard_3d": (5.0, "<= 5 ms"),
    "export/standard_emf": (1.0, "<= 1 ms"),
    "export/standard_svg": (1.0, "<= 1 ms"),
    "export/standard_jpeg": (5.0, "<= 5 ms"),
    "picture/bmp24_31mb_load_and_draw": (150.0, "<= 150 ms"),
    "picture/bmp1_8192_load_and_draw": (500.0, "<= 500 ms"),
}
PNG_BYTES_LIMIT = 40 * 1024
# The flat chart is held to the 3D one's figure of the same run.
FLAT_NOT_SLOWER_THAN = ("repaint/standard_flat", "repaint/standard_3d")
# A tiled icon costs at most twice the same tiling of a bitmap.
ICON_TILING = ("picture/tile_icon_1x1_over_3000", "picture/tile_bmp_1x1_over_3000", 2.0)
WINDOW_BYTES_LIMIT = 1.1 * 1024 * 1024
PEER_RATIOS = {"matplotlib": 150, "cairo": 2.5}
SWEEP_CASE_LIMIT_MS = 10.0
# A pass of 160 paints moves a few kilobytes between the allocator's bins; a
# cache without a bound would show as megabytes.
SWEEP_GROWTH_NOISE = 64 * 1024


def medians(runs):
    out = {}
    for r in runs:
        if r.get("run_type") == "aggregate" and r.get("aggregate_name") != "median":
            continue
        name = r.get("run_name", r["name"])
        if r.get("run_type") == "aggregate" or name not in out:
            out[name] = r
    return out


def ms(run, key):
    return run[key] * MS[run.get("time_unit", "ns")]


def fmt_ms(v):
    if v < 0.1:
        return f"{v * 1000:.2f} us"
    return f"{v:.3f} ms" if v < 10 else f"{v:.1f} ms"


def main():
    args = sys.argv[1:]
    pair = None
    if "--pair" in args:
        at = args.index("--pair")
        pair = medians(json.load(open(args[at + 1]))["benchmarks"])
        del args[at:at + 2]
    ours = json.load(open(args[0]))
    peers = [json.load(open(path)) for path in args[1:]]
    runs = medians(ours["benchmarks"])
    failed = []
    print(f"{'benchmark':42} {'cpu/op':>10} {'wall/op':>10}  {'target':14} notes")
    for name, r in runs.items():
        if "BigO" in name or "RMS" in name or "cpu_time" not in r:
            continue
        cpu, wall = ms(r, "cpu_time"), ms(r, "real_time")
        target, verdict = "", ""
        if name in TIME_TARGETS:
            limit, target = TIME_TARGETS[name]
            verdict = "met" if cpu <= limit else "MISSED"
        if name == FLAT_NOT_SLOWER_THAN[0]:
            flat_3d = pair if pair and all(n in pair for n in FLAT_NOT_SLOWER_THAN) else runs
            if FLAT_NOT_SLOWER_THAN[1] in flat_3d:
                flat, solid = (ms(flat_3d[n], "cpu_time") for n in FLAT_NOT_SLOWER_THAN)
                target = "<= 3D"
                verdict = "met" if flat <= solid else "MISSED"
                if flat_3d is pair:
                    reps = flat_3d[FLAT_NOT_SLOWER_THAN[0]].get("repetitions", "")
                    verdict += f" (interleaved run of {reps}: flat {fmt_ms(flat)}, 3D {fmt_ms(solid)})"
        if name == ICON_TILING[0] and ICON_TILING[1] in runs:
            bitmap = ms(runs[ICON_TILING[1]], "cpu_time")
            target = f"<= {ICON_TILING[2]:g} x bitmap"
            verdict = "met" if cpu <= ICON_TILING[2] * bitmap else "MISSED"
        notes = []
        growth = r.get("heap_growth_per_paint")
        if growth is not None:
            notes.append(f"heap growth/paint {growth:.0f} B")
            if growth > 0:
                verdict = "MISSED (grows)"
        if "png_bytes" in r:
            notes.append(f"{r['png_bytes'] / 1024:.1f} KiB (<= 40 KiB), {r['png_pixels_differing']:.0f} pixels differ")
            if r["png_bytes"] > PNG_BYTES_LIMIT or r["png_pixels_differing"] != 0:
                verdict = "MISSED"
        if "peak_growth_mb" in r:
            notes.append(f"{r['file_mb']:.1f} MB file, peak memory +{r['peak_growth_mb']:.0f} MB")
        elif "file_mb" in r:
            notes.append(f"{r['file_mb']:.1f} MB file, load and first paint")
        if "new_per_op" in r:
            notes.append(f"{r['new_per_op']:.0f} new/op")
        if "heap_bytes_per_window" in r:
            per = r["heap_bytes_per_window"]
            target = "<= 1.1 MB/window"
            verdict = "met" if per <= WINDOW_BYTES_LIMIT else "MISSED"
            notes = [f"heap {per / 1024:.0f} KiB/window, RSS {r['rss_bytes_per_window'] / 1024:.0f} KiB/window, "
                     f"left after delete {r['heap_bytes_left_per_window_after_delete']:.0f} B/window, "
                     f"{r['windows']:.0f} windows"]
        if "slowest_case_ms" in r:
            slowest = r["slowest_case_ms"]
            target = f"<= {SWEEP_CASE_LIMIT_MS:.0f} ms/case"
            verdict = "met" if slowest <= SWEEP_CASE_LIMIT_MS else "MISSED"
            grown = r["heap_growth_per_pass"]
            if grown > SWEEP_GROWTH_NOISE:
                verdict = "MISSED (grows)"
            notes = [f"slowest case {fmt_ms(slowest)} (named on the error stream), {r['cases']:.0f} cases, "
                     f"heap growth/pass {grown:.0f} B"]
        if verdict.startswith("MISSED"):
            failed.append(name)
        print(f"{name:42} {fmt_ms(cpu):>10} {fmt_ms(wall):>10}  {target:14} {verdict} {'; '.join(notes)}")
    for r in ours["benchmarks"]:
        if r.get("aggregate_name") == "BigO":
            per = r["cpu_coefficient"] * MS[r.get("time_unit", "ns")] * 1000
            print(f"{r['run_name']:42} fitted O({r['big_o']}): {per:.1f} us per slice (cpu)")
    standard = runs.get("repaint/standard_3d")
    for peer in peers:
        print()
        if "matplotlib" in peer:
            kind = "matplotlib"
            print(f"peer: matplotlib {peer['matplotlib']} (Agg), {peer['pixels'][0]} x {peer['pixels'][1]}, "
                  f"{peer['frames']} frames each")
            print(f"  redraw of the built figure: median {peer['draw_median_ms']:.1f} ms/frame cpu "
                  f"({peer['draw_wall_median_ms']:.1f} ms wall)")
            print(f"  figure rebuilt and drawn:   median {peer['build_draw_median_ms']:.1f} ms/frame cpu "
                  f"({peer['build_draw_wall_median_ms']:.1f} ms wall)")
            print("  per-frame cpu ms (redraw): " + " ".join(f"{t:.1f}" for t in peer["draw_ms"][:40]))
        else:
            kind = "cairo"
            print(f"peer: cairo {peer['cairo']} drawn directly, {peer['pixels'][0]} x {peer['pixels'][1]}, "
                  f"{peer['frames']} frames")
            print(f"  frame: median {peer['draw_median_ms']:.3f} ms cpu ({peer['draw_wall_median_ms']:.3f} ms wall)")
        if standard:
            ours_ms = ms(standard, "cpu_time")
            ratio = peer["draw_median_ms"] / ours_ms
            wanted = PEER_RATIOS[kind]
            verdict = "met" if ratio >= wanted else "MISSED"
            if verdict == "MISSED":
                failed.append(f"{kind} peer ratio")
            extra = (f", {peer['build_draw_median_ms'] / ours_ms:.0f} x (rebuilt)" if kind == "matplotlib" else "")
            print(f"  ratio {kind}/ours (cpu), standard 3D repaint: {ratio:.1f} x{extra}  "
                  f"target >= {wanted} x: {verdict}")
    if failed:
        print("\ntargets missed: " + ", ".join(failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
