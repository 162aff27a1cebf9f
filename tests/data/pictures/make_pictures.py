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


if __name__ == "__main__":
    write("quadrants.bmp", bmp24(40, 30))
    write("quadrants8.bmp", bmp8(40, 30))
    write("square.ico", ico())
    write("halves.emf", emf())
    write("halves.wmf", wmf())
