"""What the corpus scripts need to know of an enhanced metafile: the header's
frame and reference device, the pens made with EXTCREATEPEN, and the same file
with those pens laid out as 64-bit Wine reads them."""
import struct
from dataclasses import dataclass

EMR_HEADER, EMR_EXTCREATEPEN = 1, 95
PS_GEOMETRIC = 0x10000
# The pen (EXTLOGPEN32) starts right after the record's five DWORDs of object
# index and brush bitmap: style, width, brush style, colour, hatch, entries.
PEN_AT = 28


@dataclass
class Header:
    frame: tuple  # left, top, right, bottom in hundredths of a millimetre
    device: tuple  # the reference device in pixels...
    millimetres: tuple  # ...and in millimetres


@dataclass
class Pen:
    style: int
    width: int  # logical units; geometric pens only
    brush: int
    colour: tuple  # r, g, b


def records(data):
    """(type, offset, size) of each record, stopping at the first that does not fit."""
    at = 0
    while at + 8 <= len(data):
        kind, size = struct.unpack_from("<II", data, at)
        if size < 8 or size % 4 or at + size > len(data):
            return
        yield kind, at, size
        at += size


def header(data):
    if len(data) < 88 or struct.unpack_from("<I", data, 0)[0] != EMR_HEADER:
        raise ValueError("not an enhanced metafile")
    return Header(struct.unpack_from("<4i", data, 24), struct.unpack_from("<2i", data, 72),
                  struct.unpack_from("<2i", data, 80))


def pens(data):
    """Every EXTCREATEPEN record's pen, in file order."""
    found = []
    for kind, at, size in records(data):
        if kind == EMR_EXTCREATEPEN and size >= PEN_AT + 24:
            style, width, brush, colour = struct.unpack_from("<4I", data, at + PEN_AT)
            found.append(Pen(style, width, brush, (colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF)))
    return found


def as_wine64_reads(data):
    """The file with every EXTCREATEPEN pen moved 4 bytes on, to where a 64-bit
    EXTLOGPEN puts it (its 8-byte hatch aligns the structure to 8 bytes): a
    player that reads the record through that structure finds the pen the
    producer wrote. Files without such pens come back unchanged."""
    out = bytearray()
    for kind, at, size in records(data):
        record = data[at:at + size]
        if kind == EMR_EXTCREATEPEN and size >= PEN_AT + 24:
            style, width, brush, colour, hatch, count = struct.unpack_from("<6I", record, PEN_AT)
            entries = record[PEN_AT + 24:PEN_AT + 24 + 4 * count] if count <= (size - PEN_AT - 24) // 4 else None
            if entries is not None and struct.unpack_from("<I", record, 16)[0] == 0:  # no brush bitmap to move
                # 64-bit: style, width, brush style, colour, an 8-byte hatch, the
                # count and the dash entries (or the one entry the layout holds).
                pen = struct.pack("<IIIIIQI", 0, style, width, brush, colour, hatch, count) + (entries or bytes(4))
                record = struct.pack("<II", kind, PEN_AT + len(pen)) + record[8:PEN_AT] + pen
        out += record
    if len(out) >= 52:
        struct.pack_into("<I", out, 48, len(out))  # nBytes
    return bytes(out)


EMR_SELECTOBJECT, EMR_CREATEPEN, EMR_DELETEOBJECT, EMR_WIDENPATH = 37, 38, 40, 66


def with_widening_pens_scaled(data, scale):
    """The file with each WIDENPATH done by a pen `scale` times as wide as the
    plain pen (CREATEPEN) selected then: a new pen made and selected just before
    it and the old one selected back after. A player that widens by the pen's
    logical width taken as pixels (GDI under Wine) then widens by the width it
    strokes with when the picture is drawn `scale` times its size across.
    Returns the file and how many widenings it changed."""
    head = records(data)
    out, pens, selected, changed = bytearray(), {}, None, 0
    handles = max(1, struct.unpack_from("<H", data, 56)[0])  # index 0 is the metafile itself
    for kind, at, size in head:
        record = data[at:at + size]
        if kind == EMR_CREATEPEN and size >= 28:
            pens[struct.unpack_from("<I", record, 8)[0]] = record
        elif kind == EMR_SELECTOBJECT and size >= 12:
            index = struct.unpack_from("<I", record, 8)[0]
            if index in pens or index & 0x80000000:
                selected = index
        elif kind == EMR_WIDENPATH and selected in pens:
            width = struct.unpack_from("<i", pens[selected], 16)[0]
            wide = bytearray(pens[selected])
            struct.pack_into("<I", wide, 8, handles + changed)
            struct.pack_into("<i", wide, 16, round(width * scale))
            out += wide + struct.pack("<III", EMR_SELECTOBJECT, 12, handles + changed)
            out += record + struct.pack("<III", EMR_SELECTOBJECT, 12, selected)
            out += struct.pack("<III", EMR_DELETEOBJECT, 12, handles + changed)
            changed += 1
            continue
        out += record
    if changed:
        struct.pack_into("<I", out, 48, len(out))  # nBytes
        struct.pack_into("<I", out, 52, struct.unpack_from("<I", out, 52)[0] + 4 * changed)  # nRecords
        struct.pack_into("<H", out, 56, handles + changed)  # nHandles
    return bytes(out), changed
