#!/usr/bin/python3
"""The peer: the standard chart's pie (12 labelled slices, legend, title, foot,
a top-to-bottom gradient, 524 x 246 pixels) drawn to an image by matplotlib's
Agg backend, timed per frame.

Two frames are timed: `draw`, the figure already built and rendered again (the
cheapest repaint matplotlib offers), and `build_draw`, the figure cleared, the
pie laid out from the data and rendered (what a chart repaint after a change
of its data does). Times are CPU milliseconds, wall ones beside. Prints one
JSON object; --picture saves the last frame.
"""
import argparse
import json
import statistics
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

MONTHS = ["Январь", "Февраль", "Март", "Апрель", "Май", "Июнь",
          "Июль", "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"]
VALUES = [31, 28, 35, 40, 52, 61, 66, 63, 50, 41, 33, 30]
# The slices' colours in the chart's order.
COLOURS = ["#FF0000", "#008000", "#FFFF00", "#0000FF", "#FFFFFF", "#808080",
           "#FF00FF", "#008080", "#000080", "#800000", "#00FF00", "#808000"]
WIDTH, HEIGHT, DPI = 524, 246, 100


def build(fig):
    fig.clear()
    back = fig.add_axes([0, 0, 1, 1], zorder=-1)
    back.axis("off")
    ramp = np.linspace(0, 1, HEIGHT)[:, None, None]
    top, bottom = np.array([1.0, 1.0, 1.0]), np.array([150, 180, 240]) / 255
    back.imshow(np.broadcast_to(top + (bottom - top) * ramp, (HEIGHT, 2, 3)), aspect="auto")
    ax = fig.add_axes([0.08, 0.08, 0.6, 0.78])
    wedges, _ = ax.pie(VALUES, labels=MONTHS, colors=COLOURS, startangle=0, counterclock=True,
                       wedgeprops={"edgecolor": "black", "linewidth": 0.5},
                       textprops={"fontsize": 7, "bbox": {"boxstyle": "square,pad=0.2",
                                                          "fc": "#FFFFE1", "ec": "black", "lw": 0.5}})
    ax.set_aspect("auto")
    fig.legend(wedges, [f"{v} {m}" for v, m in zip(VALUES, MONTHS)], loc="upper right",
               fontsize=7, frameon=True, fancybox=False, edgecolor="black", handlelength=1,
               borderaxespad=0.3, labelspacing=0.05)
    fig.suptitle("Продажи за год", fontsize=10, fontweight="bold", color="navy", x=0.4, y=0.98)
    fig.text(0.98, 0.02, "Источник: годовой отчёт", fontsize=7, ha="right")


def render(fig):
    fig.canvas.draw()
    return fig.canvas.buffer_rgba()


def frames(fn, count):
    """CPU and wall milliseconds of each frame (the machine is shared: CPU time
    is what the frame itself cost)."""
    cpu, wall = [], []
    for _ in range(count):
        start, start_cpu = time.perf_counter(), time.process_time()
        fn()
        cpu.append((time.process_time() - start_cpu) * 1000)
        wall.append((time.perf_counter() - start) * 1000)
    return cpu, wall


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--frames", type=int, default=40)
    parser.add_argument("--picture")
    args = parser.parse_args()
    fig = plt.figure(figsize=(WIDTH / DPI, HEIGHT / DPI), dpi=DPI)
    build(fig)
    render(fig)  # fonts and caches warmed, as our first paint warms ours
    draw, draw_wall = frames(lambda: render(fig), args.frames)
    build_draw, build_draw_wall = frames(lambda: (build(fig), render(fig)), args.frames)
    if args.picture:
        fig.savefig(args.picture, dpi=DPI)
    width, height = fig.canvas.get_width_height()
    print(json.dumps({
        "matplotlib": matplotlib.__version__, "pixels": [width, height], "frames": args.frames,
        "draw_ms": draw, "build_draw_ms": build_draw, "draw_wall_ms": draw_wall, "build_draw_wall_ms": build_draw_wall,
        "draw_median_ms": statistics.median(draw), "build_draw_median_ms": statistics.median(build_draw),
        "draw_wall_median_ms": statistics.median(draw_wall),
        "build_draw_wall_median_ms": statistics.median(build_draw_wall),
    }))


if __name__ == "__main__":
    main()
