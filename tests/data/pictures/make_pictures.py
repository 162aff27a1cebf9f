#!/usr/bin/env python3
"""Writes the small test pictures of this folder. Every picture shows the same
layout so tests can check it at a few pixels: red on the left, blue on the
right (the bitmaps split into four: red, green / blue, yellow)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RED, GREEN, BLUE, YELLOW = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0)


def quadrant(x, y, w, h):
    top, left = y < h // 2, x < w // 2
    if top:
        return RED if left else GREEN
    return BLUE if left else YELLOW


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def bmp24(w, h):
    stride = (w * 3 + 3) // 4 * 4
    rows = b""
    for y in reversed(range(h)):
        row = b"".join(bytes((b, g, r)) for r, g, b in (quadrant(x, y, w, h) for x in range(w)))
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return head + info + rows


def bmp8(w, h):
    palette = [RED, GREEN, BLUE, YELLOW]
    stride = (w + 3) // 4 * 4
    rows = b""
    for y in reversed(range(h)):
        row = bytes(palette.index(quadrant(x, y, w, h)) for x in range(w))
        rows += row + b"\0" * (stride - len(row))
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 0, 0, 4, 0)
    off = 14 + len(info) + len(pal)
    head = struct.pack("<2sIHHI", b"BM", off + len(rows), 0, 0, off)
    return head + info + pal + rows


def ico(size=16):
    # 24-bit colour with an AND mask: an opaque red square in the middle.
    inside = lambda x, y: size // 4 <= x < 3 * size // 4 and size // 4 <= y < 3 * size // 4
    xor = b""
    for y in reversed(range(size)):
        xor += b"".join(bytes((0, 0, 255)) if inside(x, y) else b"\0\0\0" for x in range(size))
    mask_stride = (size + 31) // 32 * 4
    mask = b""
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            if not inside(x, y):
                bits |= 1 << (mask_stride * 8 - 1 - x)
        mask += bits.to_bytes(mask_stride, "big")
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), 22)
    return directory + image


def colorref(rgb):
    r, g, b = rgb
    return r | g << 8 | b << 16


def emf(w=48, h=24):
    records = []
    rec = lambda kind, body: records.append(struct.pack("<II", kind, 8 + len(body)) + body)
    rec(39, struct.pack("<IIII", 1, 0, colorref(RED), 0))  # CREATEBRUSHINDIRECT
    rec(37, struct.pack("<I", 1))  # SELECTOBJECT
    rec(37, struct.pack("<I", 0x80000008))  # the stock null pen
    rec(43, struct.pack("<iiii", 0, 0, w // 2, h))  # RECTANGLE
    rec(39, struct.pack("<IIII", 2, 0, colorref(BLUE), 0))
    rec(37, struct.pack("<I", 2))
    rec(43, struct.pack("<iiii", w // 2, 0, w, h))
    rec(14, struct.pack("<III", 0, 16, 20))  # EOF
    body = b"".join(records)
    frame = (0, 0, w * 2540 // 96, h * 2540 // 96)
    header_size = 88
    total = header_size + len(body)
    header = struct.pack("<II", 1, header_size)
    header += struct.pack("<iiii", 0, 0, w - 1, h - 1) + struct.pack("<iiii", *frame)
    header += struct.pack("<IIIIHHIII", 0x464D4520, 0x10000, total, len(records) + 1, 3, 0, 0, 0, 0)
    header += struct.pack("<iiii", 960, 960, 254, 254)
    assert len(header) == header_size
    return header + body


def text_emf(w=96, h=32, words="Pie 42"):
    """Black text in Arial on a yellow box: the metafile's text goes through the
    font machinery of whatever draws it."""
    records = []
    rec = lambda kind, body: records.append(struct.pack("<II", kind, 8 + len(body)) + body)
    rec(39, struct.pack("<IIII", 1, 0, colorref(YELLOW), 0))  # CREATEBRUSHINDIRECT
    rec(37, struct.pack("<I", 1))  # SELECTOBJECT
    rec(37, struct.pack("<I", 0x80000008))  # the stock null pen
    rec(43, struct.pack("<iiii", 0, 0, w, h))  # RECTANGLE
    face = "Arial".encode("utf-16-le").ljust(64, b"\0")
    logfont = struct.pack("<iiiiiBBBBBBBB", -20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0) + face
    rec(82, struct.pack("<I", 2) + logfont)  # EXTCREATEFONTINDIRECTW
    rec(37, struct.pack("<I", 2))
    rec(24, struct.pack("<I", 0))  # SETTEXTCOLOR black
    rec(18, struct.pack("<I", 1))  # SETBKMODE transparent
    text = words.encode("utf-16-le")
    text += b"\0" * (-len(text) % 4)
    fixed = 8 + 16 + 12 + 40
    dx = struct.pack("<%di" % len(words), *([11] * len(words)))
    body = struct.pack("<iiii", 0, 0, w, h) + struct.pack("<Iff", 1, 1.0, 1.0)
    body += struct.pack("<iiIIIiiiiI", 6, 6, len(words), fixed, 0, 0, 0, w, h, fixed + len(text))
    rec(84, body + text + dx)  # EXTTEXTOUTW
    rec(14, struct.pack("<III", 0, 16, 20))  # EOF
    body = b"".join(records)
    frame = (0, 0, w * 2540 // 96, h * 2540 // 96)
    total = 88 + len(body)
    header = struct.pack("<II", 1, 88)
    header += struct.pack("<iiii", 0, 0, w - 1, h - 1) + struct.pack("<iiii", *frame)
    header += struct.pack("<IIIIHHIII", 0x464D4520, 0x10000, total, len(records) + 1, 3, 0, 0, 0, 0)
    header += struct.pack("<iiii", 960, 960, 254, 254)
    return header + body


def wmf(w=48, h=24):
    records = []
    rec = lambda func, params: records.append(struct.pack("<IH", 3 + len(params) // 2, func) + params)
    rec(0x020B, struct.pack("<hh", 0, 0))  # SETWINDOWORG y, x
    rec(0x020C, struct.pack("<hh", h, w))  # SETWINDOWEXT y, x
    rec(0x02FC, struct.pack("<HIh", 0, colorref(RED), 0))  # CREATEBRUSHINDIRECT -> 0
    rec(0x012D, struct.pack("<H", 0))  # SELECTOBJECT
    rec(0x02FA, struct.pack("<HhhI", 5, 0, 0, 0))  # CREATEPENINDIRECT PS_NULL -> 1
    rec(0x012D, struct.pack("<H", 1))
    rec(0x041B, struct.pack("<hhhh", h, w // 2, 0, 0))  # RECTANGLE bottom, right, top, left
    rec(0x02FC, struct.pack("<HIh", 0, colorref(BLUE), 0))  # -> 2
    rec(0x012D, struct.pack("<H", 2))
    rec(0x041B, struct.pack("<hhhh", h, w, 0, w // 2))
    rec(0x0000, b"")  # EOF
    body = b"".join(records)
    largest = max(len(r) for r in records) // 2
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, 9 + len(body) // 2, 3, largest, 0)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, w, h, 96, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable):
        checksum ^= word
    return placeable + struct.pack("<H", checksum) + header + body


def metafile(*records):
    """A metafile of 48 x 24 units without placeable header: the window extent,
    the given records (function, parameter bytes), the end record."""
    rec = lambda func, params: struct.pack("<IH", 3 + len(params) // 2, func) + params
    body = rec(0x020C, struct.pack("<hh", 24, 48)) + b"".join(rec(f, p) for f, p in records) + rec(0, b"")
    largest = max(3 + len(p) // 2 for f, p in records + ((0, b"\0" * 4),))
    objects = 4  # room for the objects the records create
    return struct.pack("<HHHIHIH", 1, 9, 0x0300, 9 + len(body) // 2, objects, largest, 0) + body


def packed_bitmap(header_size=40):
    # 1 x 1, two colours, one row: valid but for the header size it gives.
    info = struct.pack("<IiiHHIIiiII", header_size, 1, 1, 1, 1, 0, 4, 0, 0, 0, 0)
    return info + b"\0\0\0\0\xff\xff\xff\0" + b"\x80\0\0\0"


def bitmap_records():
    """Every record that carries a bitmap, each with a sound one (the pattern
    brush and the stretched copy with a palette of indices), and both block
    transfers that need none."""
    good, rop, black = packed_bitmap(), 0x00CC0020, 0x00000042
    indexed = struct.pack("<IiiHHIIiiII", 40, 1, 1, 1, 1, 0, 4, 0, 0, 0, 0) + struct.pack("<HH", 0, 1) + b"\x80\0\0\0"
    return metafile(
        (0x0940, struct.pack("<Ihhhhhh", rop, 0, 0, 1, 1, 0, 0) + good),
        (0x0B41, struct.pack("<Ihhhhhhhh", rop, 1, 1, 0, 0, 8, 8, 8, 0) + good),
        (0x0F43, struct.pack("<IHhhhhhhhh", rop, 1, 1, 1, 0, 0, 8, 8, 0, 16) + indexed),
        (0x0D33, struct.pack("<Hhhhhhhhh", 0, 1, 0, 0, 0, 1, 1, 0, 24) + good),
        (0x0142, struct.pack("<HH", 5, 0) + good),
        (0x0940, struct.pack("<IHhhhhhh", black, 0, 0, 0, 4, 4, 16, 32)),
        (0x0B41, struct.pack("<IHhhhhhhhh", black, 0, 0, 0, 0, 0, 4, 4, 16, 40)),
    )


def hostile_metafiles():
    """Metafiles that sent the decoder into an endless loop: every record that
    carries a bitmap, with a bitmap header that gives its size as 1 (the first
    is 108 bytes), a stretched copy without a bitmap but with a source size, and
    three that random changes found. All are refused before the decoder sees them."""
    bad = packed_bitmap(1)
    rop = 0x00CC0020  # the source copied
    fill = ((0x012D, struct.pack("<H", 0)), (0x041B, struct.pack("<hhhh", 20, 40, 2, 2)))  # the brush selected, a box
    return {
        "dibbitblt": metafile((0x0940, struct.pack("<Ihhhhhh", rop, 0, 0, 1, 1, 0, 0) + bad)),
        "dibstretchblt": metafile((0x0B41, struct.pack("<Ihhhhhhhh", rop, 1, 1, 0, 0, 8, 8, 0, 0) + bad)),
        "stretchdib": metafile((0x0F43, struct.pack("<IHhhhhhhhh", rop, 0, 1, 1, 0, 0, 8, 8, 0, 0) + bad)),
        "setdibtodev": metafile((0x0D33, struct.pack("<Hhhhhhhhh", 0, 1, 0, 0, 0, 1, 1, 0, 0) + bad)),
        "dibcreatepatternbrush": metafile((0x0142, struct.pack("<HH", 5, 0) + bad), *fill),
        "dibstretchblt_nobitmap": metafile((0x0B41, struct.pack("<Ihhhhhhhhh", rop, 3, 4, 0, 0, 10, 12, 1, 1, 40))),
        # Found by mutating sound metafiles: a copy one word short of the size
        # without a bitmap, and a pattern brush 294 144 pixels wide, filling a box.
        "dibbitblt_short": metafile((0x0940, struct.pack("<Ihhhhhh", rop, 0, 0, 3, 4, 1, 1))),
        "dibcreatepatternbrush_wide": bytes.fromhex(
            "010009000003610000006400250000000000050000000b0200000000050000000c021800300004000000030108000700"
            "0000fc020000ff0000000000040000002d01000008000000fa0200000100000000ff0000040000002d01010025000000"
            "4201050000002800007d0400000003000000010008000000000000000000000000000000000003000000000000001020"
            "3000102030001020300000254a6f94b9de03284d7297040000002d010200070000001b04140028000200020003000000"
            "0000"),
        # Found by the fuzzer: an end record of 18 words, and after it the wide
        # pattern brush, which a decoder that plays on past such an end reads.
        "after_odd_end": bytes.fromhex(
            "010009000003610000006400250000000000050000000b0200000000050000000c021800300012000000000000000400"
            "00000301080007000000fc020000ff000000707368696e740000040000002d01000008000000fa0200000100000000ff"
            "0000040000002d010100250000004201050000002800007d040000000300000001000800000000000000000000000000"
            "00000000030000000000000010203000102030001020300000254a6f94b9de03284d7297040000002d01020007000000"
            "1b041400280002000200030000000000"),
    }


def emf_with(*hostile, handles=3):
    """An enhanced metafile of 48 x 24 pixels declaring `handles` object slots:
    a red brush made and selected, a box, then the given records (type, body)
    before the end record."""
    records = []
    rec = lambda kind, body: records.append(struct.pack("<II", kind, 8 + len(body)) + body)
    rec(39, struct.pack("<IIII", 1, 0, colorref(RED), 0))  # CREATEBRUSHINDIRECT
    rec(37, struct.pack("<I", 1))  # SELECTOBJECT
    rec(43, struct.pack("<iiii", 0, 0, 24, 24))  # RECTANGLE
    for kind, body in hostile:
        rec(kind, body)
    rec(14, struct.pack("<III", 0, 16, 20))  # EOF
    body = b"".join(records)
    header = struct.pack("<II", 1, 88) + struct.pack("<iiii", 0, 0, 47, 23)
    header += struct.pack("<iiii", 0, 0, 48 * 2540 // 96, 24 * 2540 // 96)
    header += struct.pack("<IIIIHHIII", 0x464D4520, 0x10000, 88 + len(body), len(records) + 1, handles, 0, 0, 0, 0)
    header += struct.pack("<iiii", 960, 960, 254, 254)
    return header + body


def ext_text_out_w(chars, off_string, off_dx, text="Pie"):
    """EMR_EXTTEXTOUTW of the given fields, holding `text` and its advances."""
    fixed = 8 + 16 + 12 + 40
    held = text.encode("utf-16-le")
    held += b"\0" * (-len(held) % 4)
    dx = struct.pack("<%di" % len(text), *([10] * len(text)))
    body = struct.pack("<iiii", 0, 0, 48, 24) + struct.pack("<Iff", 1, 1.0, 1.0)
    body += struct.pack("<iiIIIiiiiI", 2, 2, chars, off_string, 0, 0, 0, 48, 24, off_dx)
    return 84, body + held + dx


def counted_metafile(objects, *records):
    """metafile() with the object table size given."""
    data = bytearray(metafile(*records))
    struct.pack_into("<H", data, 10, objects)
    return bytes(data)


def hostile_records():
    """Records whose counts, offsets or object indices lie, each of which once
    crashed GDI or had it paint for ever; every one is refused at load."""
    points4 = struct.pack("<hhhhhhhh", 0, 0, 40, 0, 40, 20, 0, 20)
    bounds = struct.pack("<iiii", 0, 0, 40, 20)
    fixed = 8 + 16 + 12 + 40  # EXTTEXTOUTW up to its string
    box = (0x041B, struct.pack("<hhhh", 20, 40, 2, 2))
    brush = (0x02FC, struct.pack("<HIh", 0, colorref(BLUE), 0))  # CREATEBRUSHINDIRECT -> slot 0
    return {
        "emf_polybezier16_count.emf": emf_with((85, bounds + struct.pack("<I", 0x7FFFFFFF) + points4)),
        "emf_polygon16_count.emf": emf_with((86, bounds + struct.pack("<I", 400) + points4)),
        "emf_polyline16_count.emf": emf_with((87, bounds + struct.pack("<I", 400) + points4)),
        "emf_polypolygon16_count.emf": emf_with(
            (91, bounds + struct.pack("<II", 2, 302) + struct.pack("<II", 2, 300) + points4)),
        "emf_exttextoutw_chars.emf": emf_with(ext_text_out_w(5000, fixed, fixed + 8)),
        "emf_exttextoutw_string.emf": emf_with(ext_text_out_w(3, 0x10000, fixed + 8)),
        "emf_exttextoutw_dx.emf": emf_with(ext_text_out_w(3, fixed, 0x7FFFFFF0)),
        "emf_selectobject_index.emf": emf_with((37, struct.pack("<I", 0x7FFFFFFF))),
        "emf_deleteobject_index.emf": emf_with((40, struct.pack("<I", 0x7FFFFFFF))),
        "emf_createbrushindirect_index.emf": emf_with((39, struct.pack("<IIII", 0x7FFFFFFF, 0, colorref(BLUE), 0))),
        "wmf_polypolygon_counts.wmf": counted_metafile(
            2, brush, (0x012D, struct.pack("<H", 0)),
            (0x0538, struct.pack("<Hhh", 2, 3, 3000) + struct.pack("<hhhhhh", 0, 0, 40, 0, 40, 20))),
        "wmf_selectobject_ffff.wmf": counted_metafile(2, brush, (0x012D, struct.pack("<H", 0xFFFF)), box),
        "wmf_polygon_65535.wmf": counted_metafile(
            2, brush, (0x012D, struct.pack("<H", 0)), (0x0324, struct.pack("<H", 65535) + struct.pack("<hhhhhh", 0, 0, 40, 0, 40, 20))),
    }


def emf_of(records, handles=8, w=48, h=24):
    """An enhanced metafile of w x h pixels (10 per millimetre) of the given
    records (type, body) and its end record."""
    body = b"".join(struct.pack("<II", kind, 8 + len(data)) + data for kind, data in records)
    body += struct.pack("<II", 14, 20) + struct.pack("<III", 0, 16, 20)
    header = struct.pack("<II", 1, 88) + struct.pack("<iiii", 0, 0, w - 1, h - 1)
    header += struct.pack("<iiii", 0, 0, w * 10, h * 10)
    header += struct.pack("<IIIIHHIII", 0x464D4520, 0x10000, 88 + len(body), len(records) + 2, handles, 0, 0, 0, 0)
    header += struct.pack("<iiii", 1000, 1000, 100, 100)
    return header + body


def emf_font(slot, height, escapement=0, face="Arial"):
    """EMR_EXTCREATEFONTINDIRECTW: a LOGFONTW of the height and escapement."""
    logfont = struct.pack("<iiiiiBBBBBBBB", height, 0, escapement, escapement, 400, 0, 0, 0, 0, 0, 0, 0, 0)
    logfont += face.encode("utf-16-le").ljust(64, b"\0")
    return 82, struct.pack("<I", slot) + logfont


def emf_text(x, y, text):
    """EMR_EXTTEXTOUTW of text at (x, y), with an advance of 10 a character."""
    fixed = 8 + 16 + 12 + 40
    held = text.encode("utf-16-le")
    held += b"\0" * (-len(held) % 4)
    dx = struct.pack("<%di" % len(text), *([10] * len(text)))
    body = struct.pack("<iiii", 0, 0, 48, 24) + struct.pack("<Iff", 1, 1.0, 1.0)
    body += struct.pack("<iiIIIiiiiI", x, y, len(text), fixed, 0, 0, 0, 0, 0, fixed + len(held))
    return 84, body + held + dx


def heavy_records():
    """Metafiles that pass the record check yet once cost the player seconds
    or hung it: text turned by its escapement at a reference point beyond
    int once placed, text and pens far larger than the picture, a table of
    objects overfilled, and large text inside a path. Each loads and paints
    within a second, or is refused, alike on both builds."""
    select = lambda slot: (37, struct.pack("<I", slot))
    words = "Pie chart " * 6
    far_turned = [emf_font(1, -20, 450), select(1), emf_text(0, 0x7FFFFFFF, "Pie")]
    world = struct.pack("<ffffff", 10000.0, 0.0, 0.0, 10000.0, 0.0, 0.0)
    placed_far = [emf_font(1, -20, 900), select(1), (35, world), emf_text(300000, 300000, "Pie")]
    large_turned = [emf_font(1, -4000, 300), select(1)] + [emf_text(10, 10, words)] * 20
    large_upright = [emf_font(1, -8000), select(1)] + [emf_text(-20000, 4000, words * 3)] * 50
    wide_pen = (38, struct.pack("<IIiiI", 1, 0, 1000, 0, colorref(BLUE)))  # CREATEPEN, round ends
    ellipses = [wide_pen, select(1)] + [(42, struct.pack("<iiii", -1000000, -1000000, 1000000, 1000000))] * 20
    square = 0x10000 | 0x100 | 0x2000  # geometric, square ends, mitred joins
    ext_pen = (95, struct.pack("<IIIIIIIIIII", 1, 0, 0, 0, 0, square, 1000, 0, colorref(BLUE), 0, 0))
    zigzag = struct.pack("<iiii", 0, 0, 48, 24) + struct.pack("<I", 8)
    zigzag += b"".join(struct.pack("<hh", x, y) for x, y in
                       ((-30000, -30000), (30000, 30000), (-30000, 30000), (30000, -30000)) * 2)
    lines = [ext_pen, select(1)] + [(87, zigzag)] * 20
    # Text inside a path: each line's pixels become the path's figures.
    in_path = ([emf_font(1, -1000), select(1), (59, b"")] + [emf_text(0, 0, "Pie 42")] * 20 +
               [(60, b""), (62, struct.pack("<iiii", 0, 0, 48, 24))])
    brush = (0x02FC, struct.pack("<HIh", 0, colorref(BLUE), 0))
    font_wmf = (0x02FB, struct.pack("<hhhhhBBBBBBBB", -20, 0, 450, 450, 400, 0, 0, 0, 0, 0, 0, 0, 0) + b"Arial\0")
    return {
        "emf_text_turned_far.emf": emf_of(far_turned),
        "emf_text_turned_world.emf": emf_of(placed_far),
        "emf_text_turned_large.emf": emf_of(large_turned),
        "emf_text_upright_large.emf": emf_of(large_upright),
        "emf_text_path_large.emf": emf_of(in_path),
        "emf_wide_pen_ellipses.emf": emf_of(ellipses),
        "emf_wide_pen_lines.emf": emf_of(lines),
        "wmf_brushes_over_table.wmf": counted_metafile(7, *([brush] * 8)),
        "wmf_text_turned_far.wmf": counted_metafile(
            2, (0x020B, struct.pack("<hh", -32768, -32768)), (0x020C, struct.pack("<hh", 1, 1)), font_wmf,
            (0x012D, struct.pack("<H", 0)), (0x0521, struct.pack("<H", 3) + b"Pie\0" + struct.pack("<hh", 32767, 32767))),
    }


def embedded_variants():
    """GDI's conversion of two halves, red and blue (recorded/gdi_halves_embedded.wmf,
    made by tests/tools/record_metafiles.cpp), with its own records patched to
    draw the left half green, so a picture shows which it played: the enhanced
    metafile in its comments (red) or its records (green). Then the pieces
    broken one way each, which must play the records."""
    original = open(os.path.join(HERE, "recorded", "gdi_halves_embedded.wmf"), "rb").read()
    base = 22  # the placeable header

    def records(data):
        at, out = base + 18, []
        while at + 6 <= len(data):
            words, function = struct.unpack_from("<IH", data, at)
            out.append(data[at:at + 2 * words])
            if function == 0:
                break
            at += 2 * words
        return out

    def join(data, recs):
        body = b"".join(recs)
        head = bytearray(data[base:base + 18])
        struct.pack_into("<I", head, 6, (18 + len(body)) // 2)  # the size in words
        return data[:base] + bytes(head) + body

    def fix_sum(data):
        """GDI's checksum: the first piece's makes the standard metafile's words add up to 0."""
        data = bytearray(data)
        at = base + 18 + 22
        struct.pack_into("<H", data, at, 0)
        total = sum(struct.unpack_from("<%dH" % ((len(data) - base) // 2), data, base)) & 0xFFFF
        struct.pack_into("<H", data, at, (-total) & 0xFFFF)
        return bytes(data)

    red = struct.pack("<I", colorref(RED))
    recs = records(original)
    brush = next(i for i, r in enumerate(recs) if struct.unpack_from("<H", r, 4)[0] == 0x02FC and r[8:12] == red)
    recs[brush] = recs[brush][:8] + struct.pack("<I", colorref(GREEN)) + recs[brush][12:]
    patched = fix_sum(join(original, recs))
    pieces = [i for i, r in enumerate(records(patched)) if r[10:14] == b"WMFC"]
    assert len(pieces) == 2, "the recording should carry two pieces"

    def with_pieces(change):
        recs = records(patched)
        change(recs)
        return fix_sum(join(patched, recs))

    def wrong_total(recs):
        for i in pieces:
            recs[i] = recs[i][:50] + struct.pack("<I", struct.unpack_from("<I", recs[i], 50)[0] + 4) + recs[i][54:]

    def broken_emf(recs):
        # The enhanced metafile's second record claims more bytes than it has.
        first = recs[pieces[0]]
        header = struct.unpack_from("<I", first, 44 + 4)[0]
        recs[pieces[0]] = first[:44 + header + 4] + struct.pack("<I", 0x7FFFFFF0) + first[44 + header + 8:]

    def emf_checksum(complement):
        """The checksum over the enhanced metafile's words alone: the one's
        complement of their XOR (the format's documentation) or the two's
        (LibreOffice)."""
        recs = records(patched)
        emf = b"".join(recs[i][44:] for i in pieces)
        xored = 0
        for (word,) in struct.iter_unpack("<H", emf):
            xored ^= word
        first = recs[pieces[0]]
        value = (~xored if complement == "ones" else -xored) & 0xFFFF
        recs[pieces[0]] = first[:22] + struct.pack("<H", value) + first[24:]
        return join(patched, recs)

    bad_checksum = bytearray(patched)
    struct.pack_into("<H", bad_checksum, base + 18 + 22, struct.unpack_from("<H", patched, base + 18 + 22)[0] ^ 0x5A5A)
    swapped = records(patched)
    swapped[pieces[0]], swapped[pieces[1]] = swapped[pieces[1]], swapped[pieces[0]]
    return {
        "embedded_patched.wmf": patched,
        "embedded_documented_checksum.wmf": emf_checksum("ones"),
        "embedded_libreoffice_checksum.wmf": emf_checksum("twos"),
        "embedded_missing_piece.wmf": with_pieces(lambda recs: recs.pop(pieces[1])),
        "embedded_bad_checksum.wmf": bytes(bad_checksum),
        "embedded_wrong_total.wmf": with_pieces(wrong_total),
        "embedded_swapped.wmf": join(patched, swapped),
        "embedded_broken_emf.wmf": with_pieces(broken_emf),
    }


if __name__ == "__main__":
    write("quadrants.bmp", bmp24(40, 30))
    write("quadrants8.bmp", bmp8(40, 30))
    write("square.ico", ico())
    write("halves.emf", emf())
    write("text.emf", text_emf())
    write("halves.wmf", wmf())
    write("bitmap_records.wmf", bitmap_records())
    # The fuzz seeds take a first byte that picks the format: 3 is a metafile.
    seeds = os.path.join(HERE, "..", "..", "..", "fuzz", "corpus", "pictures")
    for name, data in hostile_metafiles().items():
        write(os.path.join("hostile", name + ".wmf"), data)
        with open(os.path.join(seeds, "hostile_" + name + ".wmf"), "wb") as f:
            f.write(b"\x03" + data)
    # The fuzz seeds' first byte: 2 an enhanced metafile, 3 a Windows one.
    for name, data in hostile_records().items():
        write(os.path.join("hostile", name), data)
        with open(os.path.join(seeds, "hostile_" + name), "wb") as f:
            f.write((b"\x02" if name.endswith(".emf") else b"\x03") + data)
    for name, data in embedded_variants().items():
        write(os.path.join("embedded", name), data)
        with open(os.path.join(seeds, name), "wb") as f:
            f.write(b"\x03" + data)
    for name, data in heavy_records().items():
        write(os.path.join("heavy", name), data)
        with open(os.path.join(seeds, "heavy_" + name), "wb") as f:
            f.write((b"\x02" if name.endswith(".emf") else b"\x03") + data)
