#!/usr/bin/env python3
"""The corpus EMFs 64-bit Wine draws wrongly (tests/data/pictures/corpus/wine-faulty.txt):
the evidence that Wine, not the native player, is wrong for each, and the source
drawings the native pictures of them are compared with instead.

  wine_faults.py prepare LIST CORPUS OUT [GDI_LIST]
writes, for each listed file, OUT/evidence/<name>.emf (its pens laid out as
64-bit Wine reads them), OUT/evidence.pgs (the script that draws those with the
Windows host, in OUT/windows, into OUT/windows/evidence/) and OUT/source/<name>.png
(the source drawing placed as the back picture places the EMF). compare_corpus.py
then reads the evidence with `evidence`. The GDI recordings of GDI_LIST
(tests/data/pictures/corpus/wine-faulty-gdi.txt) get OUT/evidence/<name>.emf,
corrected so that Wine draws what GDI should, in the same script; their
evidence is `gdi_evidence`."""
import os
import sys

from PIL import Image

import emf_records
import source_drawing

CLIPART = "/usr/share/openclipart/svg"
WIDTH, HEIGHT = 524, 246
TOLERANCE = 16
PS_NULL, BS_NULL = 5, 1
# Wine is shown wrong when the pixels GDI strokes in the pens' colours once it
# reads the pens, and lacks in its picture of the file, are at least MISSING of
# the picture, and the WMF export and the source drawing have the pens' colours
# on at least SHOWN of those pixels.
MISSING, SHOWN = 0.01, 0.5
# A GDI recording's correction shows a fault when GDI's pictures of the file
# and of the corrected file differ on at least this share of pixels.
GDI_SHOWN = 0.005


REFERENCES = {"drawing": "the source drawing (Inkscape)", "export": "the EMF as Inkscape renders it"}


class Entry:
    def __init__(self, file, svg, reference, reason):
        self.file, self.svg, self.reference, self.reason = file, svg, reference, reason

    @property
    def picture(self):
        """The name its pictures have in the comparison's folders."""
        return self.file.replace("/", "__") + ".png"


def _rows(path, columns, fits, form):
    """Each row of a list file, its columns stripped: `columns` of them, the
    first an EMF and the rest as `fits` says, or a ValueError naming `form`."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            parts = [p.strip() for p in line.split("|")]
            if len(parts) != columns or not parts[0].endswith(".emf") or not fits(parts):
                raise ValueError("%s: not '%s': %s" % (path, form, line))
            yield parts


def listed(path, corpus=None):
    """The entries of the list, in its order; given a corpus, those it holds
    (a corpus of other exports, such as LibreOffice's, holds none)."""
    return [Entry(*parts) for parts in _rows(path, 4, lambda p: p[2] in REFERENCES,
                                             "corpus file | source drawing | drawing or export | reason")
            if corpus is None or os.path.exists(os.path.join(corpus, parts[0]))]


class GdiEntry:
    """A GDI recording Wine draws wrongly and the correction that makes it draw it right."""

    def __init__(self, file, correction, reason):
        self.file, self.correction, self.reason = file, correction, reason

    @property
    def picture(self):
        return self.file.replace("/", "__") + ".png"


CORRECTIONS = {"widen": "GDI, widening as it strokes"}


def gdi_listed(path, corpus):
    """The entries of the GDI recordings' list that the corpus holds."""
    return [GdiEntry(*parts) for parts in _rows(path, 3, lambda p: p[1] in CORRECTIONS,
                                                "corpus file | correction | reason")
            if os.path.exists(os.path.join(corpus, parts[0]))]


def corrected(entry, data):
    """The file as Wine must be given it to draw what GDI should; None when the
    correction finds nothing to change."""
    if entry.correction == "widen":
        head = emf_records.header(data)
        across = (head.frame[2] - head.frame[0]) / 100 * head.device[0] / head.millimetres[0]
        fixed, changed = emf_records.with_widening_pens_scaled(data, WIDTH / across)
        return fixed if changed else None
    return None


def gdi_evidence(entry, out):
    """The share of pixels in which GDI's pictures of the file and of the
    corrected file differ; the fault shows (`holds`) from GDI_SHOWN on."""
    wine = _open(os.path.join(out, "windows", entry.picture))
    fixed = _open(os.path.join(out, "windows", "evidence", entry.picture))
    if wine is None or fixed is None or wine.size != fixed.size:
        return {"differ": 0.0, "holds": False}
    differ = sum(1 for a, b in zip(wine.getdata(), fixed.getdata())
                 if max(abs(a[0] - b[0]), abs(a[1] - b[1]), abs(a[2] - b[2])) > TOLERANCE)
    share = differ / (wine.size[0] * wine.size[1])
    return {"differ": share, "holds": share >= GDI_SHOWN}


def prepare(list_path, corpus, out, gdi_list_path=None):
    os.makedirs(os.path.join(out, "evidence"), exist_ok=True)
    os.makedirs(os.path.join(out, "source"), exist_ok=True)
    os.makedirs(os.path.join(out, "export"), exist_ok=True)
    os.makedirs(os.path.join(out, "windows", "evidence"), exist_ok=True)
    lines = ["# Written by scripts/wine_faults.py: the listed EMFs with their pens as 64-bit Wine reads them.",
             "rect R %d %d" % (WIDTH, HEIGHT)]
    for e in listed(list_path, corpus):
        with open(os.path.join(corpus, e.file), "rb") as f:
            data = f.read()
        flat = e.file.replace("/", "__")
        with open(os.path.join(out, "evidence", flat), "wb") as f:
            f.write(emf_records.as_wine64_reads(data))
        lines += ['pgChartCreate "R"', 'pgChartPicture "R" "True" "../evidence/%s" "Stretch"' % flat,
                  "save R evidence/%s" % e.picture]
        source_drawing.render(os.path.join(CLIPART, e.svg), data, WIDTH, HEIGHT,
                              os.path.join(out, "source", e.picture))
        if e.reference == "export":
            source_drawing.render_export(os.path.join(corpus, e.file), WIDTH, HEIGHT,
                                         os.path.join(out, "export", e.picture))
    for e in gdi_listed(gdi_list_path, corpus) if gdi_list_path else []:
        with open(os.path.join(corpus, e.file), "rb") as f:
            fixed = corrected(e, f.read())
        if fixed is None:
            continue
        flat = e.file.replace("/", "__")
        with open(os.path.join(out, "evidence", flat), "wb") as f:
            f.write(fixed)
        lines += ['pgChartCreate "R"', 'pgChartPicture "R" "True" "../evidence/%s" "Stretch"' % flat,
                  "save R evidence/%s" % e.picture]
    lines.append("message 2")
    with open(os.path.join(out, "evidence.pgs"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def reference_picture(entry, out):
    """Where the picture the native one is compared with lies."""
    return os.path.join(out, "source" if entry.reference == "drawing" else "export", entry.picture)


def _pen_colour_mask(picture, colours):
    """The set of pixel indices whose colour is within TOLERANCE of one of colours."""
    near = set()
    for i, p in enumerate(picture.getdata()):
        for c in colours:
            if abs(p[0] - c[0]) <= TOLERANCE and abs(p[1] - c[1]) <= TOLERANCE and abs(p[2] - c[2]) <= TOLERANCE:
                near.add(i)
                break
    return near


def _open(path):
    return Image.open(path).convert("RGB") if os.path.exists(path) else None


def evidence(entry, corpus, out):
    """What shows Wine wrong for the file, as a dict: its EXTCREATEPEN pens
    (`pens`, `widths` of the geometric ones in logical units), the pixels Wine
    strokes in the pens' colours once it reads the pens but lacks in its picture
    of the file (`missing`, a share of the picture), and the share of those in
    the pens' colours in Wine's picture of the WMF export (`wmf`), the source
    drawing (`source`) and the native picture (`native`); `holds` as MISSING
    and SHOWN say."""
    with open(os.path.join(corpus, entry.file), "rb") as f:
        pens = emf_records.pens(f.read())
    drawn = [p for p in pens if p.style & 0xF != PS_NULL and p.brush != BS_NULL]
    colours = sorted({p.colour for p in drawn if min(p.colour) < 255 - TOLERANCE})
    wmf = entry.file[:-len(".emf")] + ".wmf"
    pictures = {
        "wine": _open(os.path.join(out, "windows", entry.picture)),
        "fixed": _open(os.path.join(out, "windows", "evidence", entry.picture)),
        "wmf": _open(os.path.join(out, "windows", wmf.replace("/", "__") + ".png")),
        "source": _open(os.path.join(out, "source", entry.picture)),
        "native": _open(os.path.join(out, "native", entry.picture)),
    }
    result = {"pens": len(pens), "widths": sorted({p.width for p in drawn if p.style & emf_records.PS_GEOMETRIC}),
              "missing": 0.0, "holds": False}
    if not colours or any(p is None or p.size != (WIDTH, HEIGHT) for p in pictures.values()):
        return result
    masks = {k: _pen_colour_mask(p, colours) for k, p in pictures.items()}
    # What GDI strokes once it reads the pens and Wine's picture lacks.
    missing = masks["fixed"] - masks["wine"]
    if not missing:
        return result
    result["missing"] = len(missing) / (WIDTH * HEIGHT)
    for k in ("wmf", "source", "native"):
        result[k] = len(missing & masks[k]) / len(missing)
    result["holds"] = result["missing"] >= MISSING and result["wmf"] >= SHOWN and result["source"] >= SHOWN
    return result


if __name__ == "__main__":
    if len(sys.argv) not in (5, 6) or sys.argv[1] != "prepare":
        print("usage: %s prepare LIST CORPUS OUT [GDI_LIST]" % sys.argv[0], file=sys.stderr)
        sys.exit(2)
    prepare(*sys.argv[2:])
