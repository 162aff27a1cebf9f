"""Two builds' files of the same picture side by side: EMF files record by
record, SVG files element by element. Prints 'identical', or which records or
elements differ and by how many pixels at most (positions, sizes, character
starts), and exits 1 if the files differ in anything else.
  export_build_diff.py A B"""
import difflib
import re
import struct
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from emf_records import records  # noqa: E402

EMF_NAMES = {1: "HEADER", 14: "EOF", 70: "GDICOMMENT", 27: "MOVETOEX", 54: "LINETO", 43: "RECTANGLE",
             42: "ELLIPSE", 47: "PIE", 45: "ARC", 86: "POLYGON16", 87: "POLYLINE16", 3: "POLYGON",
             4: "POLYLINE", 84: "EXTTEXTOUTW", 82: "EXTCREATEFONTINDIRECTW", 81: "STRETCHDIBITS",
             75: "EXTSELECTCLIPRGN", 44: "ROUNDRECT"}
EXTTEXTOUTW = 84


def emf_records(data):
    return [(kind, data[at:at + size]) for kind, at, size in records(data)]


def int_fields(body):
    return struct.unpack_from(f"<{len(body) // 4}i", body)


def text_parts(body):
    """The reference point, the characters and their advances of an EXTTEXTOUTW."""
    x, y, n, off_string = struct.unpack_from("<iiII", body, 36)
    off_dx = struct.unpack_from("<I", body, 72)[0]
    chars = body[off_string:off_string + 2 * n].decode("utf-16-le", "replace")
    dx = struct.unpack_from(f"<{n}i", body, off_dx)
    return (x, y), chars, dx


def compare_emf(a, b):
    ra, rb = emf_records(a), emf_records(b)
    kinds = [k for k, _ in ra], [k for k, _ in rb]
    if kinds[0] != kinds[1]:
        print(f"  record sequences differ ({len(ra)} and {len(rb)} records)")
        for line in list(difflib.unified_diff([str(k) for k in kinds[0]], [str(k) for k in kinds[1]], lineterm=""))[:20]:
            print("   ", line)
        return False
    differing, other, texts = {}, True, []
    for (kind, x), (_, y) in zip(ra, rb):
        if x == y:
            continue
        name = EMF_NAMES.get(kind, str(kind))
        if kind in (1, 70):  # the frame, title and description depend on no font
            print(f"  the {name} records differ")
            other = False
            continue
        if kind == EXTTEXTOUTW:
            (pa, ca, da), (pb, cb, db) = text_parts(x), text_parts(y)
            if ca != cb:
                other = False
            starts = [abs(sum(da[:i]) - sum(db[:i])) for i in range(len(da) + 1)] if len(da) == len(db) else [99]
            move = max(abs(pa[0] - pb[0]), abs(pa[1] - pb[1]))
            texts.append((ca, move, max(starts)))
            differing.setdefault(name, [0, 0])[0] += 1
            differing[name][1] = max(differing[name][1], move, max(starts))
            continue
        if len(x) != len(y):
            other = False
            continue
        fa, fb = int_fields(x[8:]), int_fields(y[8:])
        diff = max(abs(p - q) for p, q in zip(fa, fb))
        differing.setdefault(name, [0, 0])[0] += 1
        differing[name][1] = max(differing[name][1], diff)
    for name, (count, px) in sorted(differing.items()):
        print(f"  {count} {name} record(s) differ, by at most {px} px")
    for chars, move, starts in texts:
        print(f"    text \"{chars}\": placed {move} px apart, characters' starts {starts} px apart at most")
    return other


TAG = re.compile(r"<[^>]*>|[^<]+")
NUMBER = re.compile(r"-?\d+(?:\.\d+)?")


def compare_svg(a, b):
    ta, tb = TAG.findall(a.decode("utf-8")), TAG.findall(b.decode("utf-8"))
    if len(ta) != len(tb):
        print(f"  element sequences differ ({len(ta)} and {len(tb)} pieces)")
        return False
    differing, other = {}, True
    for x, y in zip(ta, tb):
        if x == y:
            continue
        na, nb = NUMBER.findall(x), NUMBER.findall(y)
        if NUMBER.sub("#", x) != NUMBER.sub("#", y) or len(na) != len(nb):
            print(f"  differs in more than numbers:\n    {x[:160]}\n    {y[:160]}")
            other = False
            continue
        name = x.split()[0].lstrip("<") if x.startswith("<") else "text content"
        px = max(abs(float(p) - float(q)) for p, q in zip(na, nb))
        differing.setdefault(name, [0, 0])[0] += 1
        differing[name][1] = max(differing[name][1], px)
    for name, (count, px) in sorted(differing.items()):
        print(f"  {count} <{name}> element(s) differ, by at most {px:g} px")
    return other


def main():
    a, b = Path(sys.argv[1]).read_bytes(), Path(sys.argv[2]).read_bytes()
    print(f"{Path(sys.argv[1]).name}: {len(a)} and {len(b)} bytes", end="")
    if a == b:
        print(", identical")
        return 0
    print(", differing:")
    same_apart_from_layout = compare_emf(a, b) if sys.argv[1].endswith(".emf") else compare_svg(a, b)
    return 0 if same_apart_from_layout else 1


if __name__ == "__main__":
    sys.exit(main())
