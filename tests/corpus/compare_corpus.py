#!/usr/bin/python3
"""Compares the pictures both builds drew of the corpus (scripts/bitmap-corpus.sh):
    compare_corpus.py WORK_DIR
WORK_DIR holds corpus/, native/ and windows/. Bitmaps and JPEGs must agree on
every pixel, icons on at least 99 % of each picture's pixels; a file refused by
one build only fails. Pictures that differ are put side by side in WORK_DIR/diff/.
Exits 1 on any failure."""
import os
import statistics
import sys

from PIL import Image, ImageChops

NEEDED = {".bmp": 100.0, ".jpg": 100.0, ".ico": 99.0}
# Where Wine itself is wrong, the Windows picture is first put right as the
# evidence says, and the file is named in the output.
# - An icon entry that is a PNG of colour type RGB (no alpha; Pillow writes one
#   for an RGB picture): Wine's user32 draws it with red and blue exchanged.
#   Windows reads PNG samples as R, G, B; the same picture as an RGBA PNG entry
#   or as a bitmap entry (pil_48a.ico, im_32.ico) agrees exactly between the
#   builds, and the native picture equals Wine's with the two channels swapped
#   back inside the icon, on every pixel.
WINE_SWAPS_RED_AND_BLUE = {"pil_32.ico"}
MARGIN = 4  # pg_picture_draw's border around the picture


def swap_red_and_blue(picture, tiled):
    # Tiled copies run on to the bitmap's right and bottom edges.
    end = 0 if tiled else MARGIN
    inside = picture.crop((MARGIN, MARGIN, picture.size[0] - end, picture.size[1] - end))
    r, g, b = inside.split()
    out = picture.copy()
    out.paste(Image.merge("RGB", (b, g, r)), (MARGIN, MARGIN))
    return out


def main():
    work = sys.argv[1]
    native, windows = os.path.join(work, "native"), os.path.join(work, "windows")
    os.makedirs(os.path.join(work, "diff"), exist_ok=True)
    shares = {ext: [] for ext in NEEDED}
    failures = []
    for name in sorted(os.listdir(os.path.join(work, "corpus"))):
        ext = os.path.splitext(name)[1].lower()
        if ext not in NEEDED:
            continue
        refused = [os.path.exists(os.path.join(d, name + ".refused")) for d in (native, windows)]
        if any(refused):
            if not all(refused):
                failures.append(f"{name}: refused by the {'native' if refused[0] else 'Windows'} build only")
            else:
                print(f"{name}: refused by both builds")
            continue
        pictures = sorted(p for p in os.listdir(native) if p.startswith(name + ".") and p.endswith(".png"))
        if not pictures:
            failures.append(f"{name}: the native build drew nothing")
        for picture in pictures:
            other = os.path.join(windows, picture)
            if not os.path.exists(other):
                failures.append(f"{picture}: the Windows build drew nothing")
                continue
            a = Image.open(os.path.join(native, picture)).convert("RGB")
            b = Image.open(other).convert("RGB")
            if name in WINE_SWAPS_RED_AND_BLUE:
                b = swap_red_and_blue(b, ".tiled." in picture)
            if a.size != b.size:
                failures.append(f"{picture}: sizes differ, {a.size} and {b.size}")
                continue
            diff = ImageChops.difference(a, b).convert("L").point(lambda v: 255 if v else 0)
            differing = diff.histogram()[255]
            share = 100.0 * (1 - differing / (a.size[0] * a.size[1]))
            shares[ext].append(share)
            if share < NEEDED[ext]:
                failures.append(f"{picture}: {share:.2f} % of pixels equal (at least {NEEDED[ext]:g} %)")
            if differing:
                side = Image.new("RGB", (a.size[0] * 3 + 8, a.size[1]), "white")
                side.paste(a, (0, 0))
                side.paste(b, (a.size[0] + 4, 0))
                side.paste(diff.convert("RGB"), (2 * a.size[0] + 8, 0))
                side.save(os.path.join(work, "diff", picture))
    for name in sorted(WINE_SWAPS_RED_AND_BLUE):
        print(f"{name}: Wine draws this RGB PNG entry with red and blue exchanged; compared with them put back")
    for ext, values in shares.items():
        if values:
            print(f"{ext}: {len(values)} pictures, median {statistics.median(values):.2f} %, "
                  f"lowest {min(values):.2f} % of pixels equal (at least {NEEDED[ext]:g} % each)")
    for f in failures:
        print("FAILED " + f)
    print("bitmap corpus: " + ("both builds agree" if not failures else f"{len(failures)} failures"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
