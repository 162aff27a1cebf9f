#!/usr/bin/env python3
"""Agreement of exported pictures with the chart's raster: every PNG named
STEM_VIEW.png in FOLDER against STEM_raster.png, the share of pixels whose
every channel differs by at most 16 levels, over all pixels and over the
pixels away from edges (where the raster's 3 x 3 neighbourhood is one colour:
anti-aliased text and shape edges aside).
Usage: export_compare.py FOLDER VIEW"""
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


def main():
    folder, view = sys.argv[1], sys.argv[2]
    worst = 100.0
    for path in sorted(glob.glob(os.path.join(folder, f"*_{view}.png"))):
        stem = path[: -len(f"_{view}.png")]
        raster = Image.open(stem + "_raster.png")
        shown = Image.open(path).crop((0, 0) + raster.size)
        whole, inner = agreement(raster, shown)
        worst = min(worst, inner)
        print(f"{os.path.basename(stem):32s} {whole:6.2f} % all pixels, {inner:6.2f} % away from edges")
    print(f"worst away from edges: {worst:.2f} %")


main()
