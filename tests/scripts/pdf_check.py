#!/usr/bin/env python3
"""Draws the PDF test charts (pg_pdf_charts, under Wine for a Windows build) and
checks each page with the PDF tools: the title and every label as text, every
font embedded as a subset, the page size, title, tags, alternate text and
language, pdftoppm's picture at 96 dpi against the chart's own raster, and
pdftocairo's zoomed in for the page showing between fills.

  pdf_check.py --draw EMULATOR DRAWER --pictures DIR --test-pictures DIR --out DIR   (EMULATOR may be "")
"""
import argparse
import os
import re
import shutil
import subprocess
import sys

from PIL import Image, ImageChops, ImageFilter

# pdftoppm smooths edges and unhinted letters that the raster draws aliased and
# hinted: the share of pixels that must agree once such edge pixels are set
# aside, and a floor for the share that agrees outright, low enough for 200
# slices whose pie is nearly all outline, high enough to catch a misplaced shape.
AGREEMENT = 0.95
STRICT_FLOOR = 0.80
TOLERANCE = 16        # levels per channel within which a pixel agrees
STANDARD_BYTES = 80 * 1024
# Viewers that draw through cairo smooth every fill on its own: zoomed in, the
# page showed between a gradient's bands. Share of pixels of smooth areas that
# may come out lighter than the raster there, at 137 dpi (143 %).
ZOOM_DPI = 137
ZOOM_LIGHTER = 0.001
# Its marks' boxes stand a pixel apart: at 96 dpi their outlines run together
# into black, which a larger scale parts.
ZOOM_UNCHECKED = {"many_slices"}
WIDTH, HEIGHT = 524, 246
# Beside a straight outline (13 dark pixels in a row or a column, light on both
# sides), the share of pixels pdftoppm's page may shade. poppler counts a sample
# on a shape's far edge as inside, and a stroke exactly a pixel wide in a path
# with slanted segments shaded the next pixel: standard 8.4 %, JPEG back picture
# 15.8 % (now 1.1 %, and 2.3 to 2.9 % from the bottoms of curves and the
# picture's own pixels). In the other looks most such runs are the tops of
# curves and shallow slopes, which smoothing shades whatever the file says.
STRAIGHT_RUN = 13
STRAIGHT_SHADED = 0.05
STRAIGHT_CHECKED = {"standard", "back_picture"}


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def blend_of_neighbours(p, raster, x, y):
    """Whether p is, within the tolerance, a mix of two colours of the raster's
    3 x 3 neighbourhood of (x, y): an anti-aliased edge of what the raster draws
    aliased."""
    w, h = raster.size
    colours = {raster.getpixel((i, j)) for j in range(max(0, y - 1), min(h, y + 2))
               for i in range(max(0, x - 1), min(w, x + 2))}
    colours = list(colours)
    for ai, a in enumerate(colours):
        for b in colours[ai:]:
            d = [a[k] - b[k] for k in range(3)]
            n = sum(v * v for v in d)
            t = 0.0 if n == 0 else max(0.0, min(1.0, sum((p[k] - b[k]) * d[k] for k in range(3)) / n))
            if all(abs(p[k] - (b[k] + t * d[k])) <= TOLERANCE for k in range(3)):
                return True
    return False


def sharp_letters(pdf, png, work):
    """The share of pixels that agree outright when pdftoppm draws the letters
    without smoothing (-aa no), as the raster draws them: what of the outright
    disagreement the smoothed letters make."""
    stem = os.path.join(work, os.path.basename(pdf)[:-4] + "-sharp")
    run("pdftoppm", "-r", "96", "-aa", "no", "-singlefile", "-png", pdf, stem)
    a, b = Image.open(stem + ".png").convert("RGB"), Image.open(png).convert("RGB")
    if a.size != b.size:
        return 0.0
    x, y = a.tobytes(), b.tobytes()
    agree = sum(1 for i in range(0, len(x), 3)
                if max(abs(x[i] - y[i]), abs(x[i + 1] - y[i + 1]), abs(x[i + 2] - y[i + 2])) <= TOLERANCE)
    return agree / (a.size[0] * a.size[1])


def agreement(pdf, png, work):
    """The shares of pixels of pdftoppm's page at 96 dpi that agree with the
    raster: strictly (every channel within the tolerance), and with anti-aliased
    edges set aside (a pixel that mixes two neighbouring raster colours)."""
    stem = os.path.join(work, os.path.basename(pdf)[:-4] + "-page")
    run("pdftoppm", "-r", "96", "-singlefile", "-png", pdf, stem)
    page = Image.open(stem + ".png").convert("RGB")
    raster = Image.open(png).convert("RGB")
    if page.size != raster.size:
        return 0.0, 0.0
    w, h = page.size
    a, b = page.tobytes(), raster.tobytes()
    strict = edges = 0
    for i in range(0, len(a), 3):
        if abs(a[i] - b[i]) <= TOLERANCE and abs(a[i + 1] - b[i + 1]) <= TOLERANCE \
                and abs(a[i + 2] - b[i + 2]) <= TOLERANCE:
            strict += 1
        elif blend_of_neighbours((a[i], a[i + 1], a[i + 2]), raster, (i // 3) % w, (i // 3) // w):
            edges += 1
    return strict / (w * h), (strict + edges) / (w * h)


def shaded_beside_straight_lines(pdf, png, work):
    """The share of the pixels beside the raster's straight outlines (see
    STRAIGHT_RUN) that pdftoppm's page at 96 dpi does not draw as the raster."""
    page = Image.open(os.path.join(work, os.path.basename(pdf)[:-4] + "-page.png")).convert("RGB")
    raster = Image.open(png).convert("RGB")
    if page.size != raster.size:
        return 1.0
    w, h = raster.size
    r, p = raster.load(), page.load()
    half = STRAIGHT_RUN // 2

    def dark(c):
        return max(c) <= TOLERANCE

    beside = shaded = 0
    for y in range(half, h - half):
        for x in range(half, w - half):
            if not dark(r[x, y]):
                continue
            for dx, dy in ((0, 1), (1, 0)):
                if not all(dark(r[x + k * dx, y + k * dy]) for k in range(-half, half + 1)):
                    continue
                for side in (-1, 1):
                    q = (x + side * dy, y + side * dx)
                    if dark(r[q]):
                        continue
                    beside += 1
                    shaded += max(abs(p[q][k] - r[q][k]) for k in range(3)) > TOLERANCE
    return shaded / max(1, beside)


def lighter_when_zoomed(pdf, png, work):
    """The share of pixels of pdftocairo's page at ZOOM_DPI, where the raster is
    smooth (every channel within 8 levels over 5 x 5 pixels), that are lighter
    than the raster's lightest colour there: the page showing between fills."""
    stem = os.path.join(work, os.path.basename(pdf)[:-4] + "-zoom")
    run("pdftocairo", "-r", str(ZOOM_DPI), "-singlefile", "-png", pdf, stem)
    page = Image.open(stem + ".png").convert("RGB")
    raster = Image.open(png).convert("RGB")
    lightest = raster.filter(ImageFilter.MaxFilter(5))
    spread = ImageChops.subtract(lightest, raster.filter(ImageFilter.MinFilter(5)))
    lightest = lightest.resize(page.size, Image.NEAREST)
    spread = spread.resize(page.size, Image.NEAREST)
    # The page's last column and row are partly beyond its edge, where the
    # ground shows.
    inside = (0, 0, raster.size[0] * ZOOM_DPI // 96, raster.size[1] * ZOOM_DPI // 96)
    page, lightest, spread = page.crop(inside), lightest.crop(inside), spread.crop(inside)
    over = ImageChops.subtract(page, lightest)
    smooth = lighter = 0
    for s, o in zip(spread.getdata(), over.getdata()):
        if max(s) <= 8:
            smooth += 1
            lighter += max(o) > TOLERANCE
    return lighter / max(1, smooth)


def check(pdf, words_file, png, work):
    problems = []
    info = run("pdfinfo", pdf)
    words = [w for w in open(words_file, encoding="utf-8").read().split("\n") if w]
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info)
    if not size or (float(size.group(1)), float(size.group(2))) != (WIDTH * 0.75, HEIGHT * 0.75):
        problems.append("page size: " + (size.group(0) if size else "none"))
    if not re.search(r"^Tagged:\s+yes$", info, re.M):
        problems.append("not tagged")
    if words and not re.search(r"^Title:\s+" + re.escape(words[0]) + "$", info, re.M):
        problems.append("title missing from the metadata")
    text = " ".join(run("pdftotext", "-enc", "UTF-8", pdf, "-").split())
    for w in words:
        if w not in text:
            problems.append("text missing: " + w)
    fonts = run("pdffonts", pdf).splitlines()[2:]
    if not fonts:
        problems.append("no fonts")
    for row in fonts:
        # name type encoding emb sub uni object ID
        cols = row.split()
        if cols[-5:-2] != ["yes", "yes", "yes"]:
            problems.append("font not an embedded subset with Unicode: " + row)
    raw = open(pdf, "rb").read()
    if b"/Alt <FEFF" not in raw or b"/Lang (ru)" not in raw:
        problems.append("no /Alt or /Lang")
    strict, aa = agreement(pdf, png, work)
    if aa < AGREEMENT or strict < STRICT_FLOOR:
        problems.append("pixels agree %.1f %%, %.1f %% with edges aside" % (strict * 100, aa * 100))
    return problems, (strict, aa, sharp_letters(pdf, png, work)), len(raw), len(fonts)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--draw", nargs=2, required=True, metavar=("EMULATOR", "DRAWER"))
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--test-pictures", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    for tool in ("pdfinfo", "pdftotext", "pdffonts", "pdftoppm", "pdftocairo"):
        if not shutil.which(tool):
            print("poppler-utils are missing (scripts/setup.sh installs them)")
            return 1
    shutil.rmtree(args.out, ignore_errors=True)
    os.makedirs(args.out)
    emulator, drawer = args.draw
    command = ([emulator] if emulator else []) + [drawer, args.out, args.pictures, args.test_pictures]
    if emulator:
        # Windows paths for the program under Wine: Z: is the root.
        command[-3:] = ["Z:" + p.replace("/", "\\") for p in command[-3:]]
    subprocess.run(command, check=True)
    failed = False
    for name in sorted(f[:-4] for f in os.listdir(args.out) if f.endswith(".pdf")):
        base = os.path.join(args.out, name)
        problems, share, size, fonts = check(base + ".pdf", base + ".words", base + ".png", args.out)
        if name == "standard" and size > STANDARD_BYTES:
            problems.append("%d bytes, more than %d" % (size, STANDARD_BYTES))
        straight = ""
        if name in STRAIGHT_CHECKED:
            shaded = shaded_beside_straight_lines(base + ".pdf", base + ".png", args.out)
            straight = "; %.1f %% shaded beside straight outlines" % (shaded * 100)
            if shaded > STRAIGHT_SHADED:
                problems.append("%.1f %% of the pixels beside straight outlines shaded" % (shaded * 100))
        zoomed = ""
        if name not in ZOOM_UNCHECKED:
            lighter = lighter_when_zoomed(base + ".pdf", base + ".png", args.out)
            zoomed = "; at %d dpi %.2f %% of smooth areas lighter" % (ZOOM_DPI, lighter * 100)
            if lighter > ZOOM_LIGHTER:
                problems.append("the page shows between fills at %d dpi" % ZOOM_DPI)
        print("%-16s %6d bytes, %d fonts, pixels agree %.2f %% (%.2f %% with anti-aliased edges aside, "
              "%.2f %% with the letters drawn unsmoothed)%s%s" % (name, size, fonts, share[0] * 100, share[1] * 100,
                                                                share[2] * 100, zoomed, straight))
        for p in problems:
            print("  " + p)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
