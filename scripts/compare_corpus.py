#!/usr/bin/env python3
"""The table of scripts/compare-corpus.sh: OUT/native/*.png against
OUT/windows/*.png, side by side in OUT/side/. Usage: compare_corpus.py OUT STRICT"""
import os
import statistics
import sys

from PIL import Image, ImageChops

TOLERANCE, MEDIAN_TARGET, FILE_TARGET = 16, 95.0, 85.0


def agreement(a, b):
    """Percentage of pixels whose every channel differs by at most TOLERANCE,
    and the picture of where they differ (red)."""
    diff = ImageChops.difference(a, b)
    worst = Image.eval(diff.convert("RGB"), lambda v: 255 if v > TOLERANCE else 0).convert("L")
    worst = worst.point(lambda v: 255 if v else 0)
    bad = sum(1 for v in worst.getdata() if v)
    mask = Image.new("RGB", a.size, (255, 255, 255))
    mask.paste((220, 0, 0), mask=worst)
    return 100.0 * (1 - bad / (a.size[0] * a.size[1])), mask


def main():
    out, strict = sys.argv[1], sys.argv[2] == "1"
    native_dir, windows_dir = os.path.join(out, "native"), os.path.join(out, "windows")
    empty = {side: Image.open(os.path.join(out, side, "empty.png")).convert("RGB") for side in ("native", "windows")}
    rows, failed_files = [], []
    names = sorted(n for n in os.listdir(native_dir) if n.endswith(".png") and n != "empty.png")
    for name in names:
        file = name[: -len(".png")].replace("__", "/")
        pictures = {}
        for side, folder in (("native", native_dir), ("windows", windows_dir)):
            path = os.path.join(folder, name)
            pictures[side] = Image.open(path).convert("RGB") if os.path.exists(path) else None
        a, b = pictures["native"], pictures["windows"]
        if a is None or b is None or a.size != b.size:
            rows.append((file, None, "missing on one side"))
            continue
        # A picture refused at load leaves the empty chart.
        refused = [side for side in ("native", "windows") if ImageChops.difference(pictures[side], empty[side]).getbbox() is None]
        share, mask = agreement(a, b)
        side = Image.new("RGB", (a.size[0] * 3 + 8, a.size[1]), (128, 128, 128))
        side.paste(a, (0, 0))
        side.paste(b, (a.size[0] + 4, 0))
        side.paste(mask, (2 * a.size[0] + 8, 0))
        side.save(os.path.join(out, "side", name))
        if len(refused) == 2:
            # Agreeing on nothing shown says nothing of how either draws.
            rows.append((file, None, "refused or blank on both"))
            continue
        note = ("refused or blank: " + refused[0]) if refused else ""
        rows.append((file, share, note))

    print("%-72s %8s  %s" % ("file (native | Windows under Wine)", "agree", "note"))
    for file, share, note in rows:
        print("%-72s %7s%%  %s" % (file, "-" if share is None else "%.1f" % share, note))
    holds = True
    for kind in ("emf", "wmf"):
        shares = [s for f, s, _ in rows if f.endswith("." + kind) and s is not None]
        if not shares:
            continue
        median = statistics.median(shares)
        low = [f for f, s, _ in rows if f.endswith("." + kind) and s is not None and s < FILE_TARGET]
        ok = median >= MEDIAN_TARGET and not low
        holds = holds and ok
        print("%s: %d files, median %.1f %% (target %.0f %%), lowest %.1f %%, %d below %.0f %%: %s" % (
            kind.upper(), len(shares), median, MEDIAN_TARGET, min(shares), len(low), FILE_TARGET,
            "holds" if ok else "below target"))
    missing = [f + " (" + n + ")" for f, s, n in rows if s is None]
    if missing:
        holds = False
        print("not compared: " + ", ".join(missing))
    print("side-by-side pictures (native | Windows | differing pixels in red): " + os.path.join(out, "side"))
    if holds:
        print("compare-corpus: the targets hold")
        return 0
    if strict:
        print("compare-corpus: FAILED (below target, strict)")
        return 1
    print("compare-corpus: below target (reported only; PG_PICTURES_STRICT=1 makes it fail)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
