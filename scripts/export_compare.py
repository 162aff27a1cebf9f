#!/usr/bin/env python3
"""Agreement of exported pictures with the chart's raster: every PNG named
STEM_VIEW.png in FOLDER against STEM_raster.png, the share of pixels whose
every channel differs by at most 16 levels, over all pixels and over the
pixels away from edges (where the raster's 3 x 3 neighbourhood is one colour:
anti-aliased text and shape edges aside). A view larger than the raster (a
reader that puts the picture on a page) is compared where the chart stands on
it: the place near the middle where the most pixels agree.
Usage: export_compare.py FOLDER VIEW [FLOOR]
With FLOOR, fails when any picture agrees away from edges on less than FLOOR %."""
import glob
import os
import sys

from PIL import Image, ImageChops, ImageFilter

TOLERANCE = 16


def agreement(raster, view):
    diff = ImageChops.difference(raster.convert("RGB"), view.convert("RGB"))
    bad = [max(p) > TOLERANCE for p in diff.getdata()]
    # Flat where the neighbourhood's max and min agree in every channel.
    hi = raster.convert("RGB").filter(ImageFilter.MaxFilter(3)).getdata()
    lo = raster.convert("RGB").filter(ImageFilter.MinFilter(3)).getdata()
    flat = [h == l for h, l in zip(hi, lo)]
    n = len(bad)
    inner = sum(flat)
    return (100.0 * (1 - sum(bad) / n),
            100.0 * (1 - sum(b for b, f in zip(bad, flat) if f) / max(inner, 1)))


def placed(raster, view):
    """The part of the view the raster's size that shows the chart."""
    if view.size == raster.size:
        return view
    if view.size[0] < raster.size[0] or view.size[1] < raster.size[1]:
        return view.crop((0, 0) + raster.size)
    cx, cy = (view.size[0] - raster.size[0]) // 2, (view.size[1] - raster.size[1]) // 2
    best, where = -1, (cx, cy)
    for dy in range(-3, 4):
        for dx in range(-3, 4):
            x, y = max(0, cx + dx), max(0, cy + dy)
            part = view.crop((x, y, x + raster.size[0], y + raster.size[1]))
            diff = ImageChops.difference(raster.convert("RGB"), part.convert("RGB")).getdata()
            good = sum(1 for p in diff if max(p) <= TOLERANCE)
            if good > best:
                best, where = good, (x, y)
    return view.crop(where + (where[0] + raster.size[0], where[1] + raster.size[1]))


def main():
    folder, view = sys.argv[1], sys.argv[2]
    worst = 100.0
    for path in sorted(glob.glob(os.path.join(folder, f"*_{view}.png"))):
        stem = path[: -len(f"_{view}.png")]
        raster = Image.open(stem + "_raster.png")
        shown = placed(raster, Image.open(path).convert("RGB"))
        whole, inner = agreement(raster, shown)
        worst = min(worst, inner)
        print(f"{os.path.basename(stem):32s} {whole:6.2f} % all pixels, {inner:6.2f} % away from edges")
    print(f"worst away from edges: {worst:.2f} %")
    if len(sys.argv) > 3 and worst < float(sys.argv[3]):
        print(f"export_compare: {view} below {sys.argv[3]} % away from edges")
        sys.exit(1)


main()
