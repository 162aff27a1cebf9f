"""The picture corpus's helpers for the files Wine draws wrongly: reading and
rewriting EMF pens, placing a source drawing, and deciding from the pictures
whether Wine is shown wrong. Run: python3 -m unittest (with scripts/ on the path)."""
import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))

from PIL import Image, ImageDraw  # noqa: E402

import emf_records  # noqa: E402
import source_drawing  # noqa: E402
import wine_faults  # noqa: E402

GREY = (0x33, 0x33, 0x33)


def record(kind, *dwords, tail=b""):
    body = struct.pack("<%dI" % len(dwords), *dwords) + tail
    return struct.pack("<II", kind, 8 + len(body)) + body


def emf(*body, frame=(0, 0, 1599, 1599)):
    """An EMF of Inkscape's reference device (1200 dpi) with the given records."""
    header = bytearray(88)
    struct.pack_into("<II4i4i", header, 0, 1, 88, 0, 0, 755, 755, *frame)
    struct.pack_into("<2i2i", header, 72, 10205, 13181, 216, 279)
    data = bytes(header) + b"".join(body) + record(14, 0, 0, 20)
    data = bytearray(data)
    struct.pack_into("<I", data, 48, len(data))
    return bytes(data)


def ext_pen(index, style, width, colour, entries=(), bitmap=False):
    return record(95, index, 92 if bitmap else 0, 40 if bitmap else 0, 0, 0, style, width, 0, colour, 0,
                  len(entries), *(entries or (0,)))


class EmfPens(unittest.TestCase):
    def test_pens_read_as_written(self):
        data = emf(record(37, 1), ext_pen(1, 0x10000, 39, 0x333333), ext_pen(2, 0x12200, 23, 0x0000FF))
        pens = emf_records.pens(data)
        self.assertEqual([(p.style, p.width, p.colour) for p in pens],
                         [(0x10000, 39, GREY), (0x12200, 23, (255, 0, 0))])
        self.assertEqual(emf_records.header(data).frame, (0, 0, 1599, 1599))

    def test_wine64_layout_moves_the_pen_and_keeps_the_rest(self):
        select = record(37, 1)
        data = emf(ext_pen(1, 0x10000, 39, 0x333333), select, ext_pen(2, 0x10007, 31, 0x4C4C4C, entries=(4, 2)))
        moved = emf_records.as_wine64_reads(data)
        kinds = [(k, s) for k, _, s in emf_records.records(moved)]
        self.assertEqual(kinds, [(1, 88), (95, 64), (37, 12), (95, 68), (14, 20)])
        self.assertEqual(struct.unpack_from("<I", moved, 48)[0], len(moved))
        first = 88
        # Style, width, brush style, colour at 32; an 8-byte hatch; the count at 56.
        self.assertEqual(struct.unpack_from("<4I", moved, first + 32), (0x10000, 39, 0, 0x333333))
        self.assertEqual(struct.unpack_from("<I", moved, first + 56)[0], 0)
        self.assertEqual(moved[first + 64:first + 76], select)
        second = first + 64 + 12
        self.assertEqual(struct.unpack_from("<I", moved, second + 56)[0], 2)
        self.assertEqual(struct.unpack_from("<2I", moved, second + 60), (4, 2))

    def test_pens_that_cannot_move_stay(self):
        # A brush bitmap's offsets would point wrong; a count beyond the record lies.
        with_bitmap = emf(ext_pen(1, 0x10000, 39, 0x333333, bitmap=True))
        self.assertEqual(emf_records.as_wine64_reads(with_bitmap), with_bitmap)
        lying = emf(record(95, 1, 0, 0, 0, 0, 0x10007, 31, 0, 0, 0, 1000, 0))
        self.assertEqual(emf_records.as_wine64_reads(lying), lying)

    def test_truncated_file_stops_at_the_last_whole_record(self):
        data = emf(ext_pen(1, 0x10000, 39, 0x333333))
        self.assertEqual([k for k, _, _ in emf_records.records(data[:-30])], [1])
        with self.assertRaises(ValueError):
            emf_records.header(b"\0" * 40)


class GdiCorrections(unittest.TestCase):
    def test_widening_gets_a_wider_pen_and_the_selected_one_back(self):
        data = bytearray(emf(record(38, 1, 0, 11, 0, 0x008C00), record(37, 1), record(59), record(60),
                             record(66), record(62, 0, 0, 10, 10)))
        struct.pack_into("<IH", data, 52, 7, 2)  # nRecords, nHandles
        fixed, changed = emf_records.with_widening_pens_scaled(bytes(data), 1.31)
        self.assertEqual(changed, 1)
        kinds = [(k, at) for k, at, _ in emf_records.records(fixed)]
        self.assertEqual([k for k, _ in kinds], [1, 38, 37, 59, 60, 38, 37, 66, 37, 40, 62, 14])
        wide = kinds[5][1]
        self.assertEqual(struct.unpack_from("<5I", fixed, wide + 8), (2, 0, 14, 0, 0x008C00))
        self.assertEqual(struct.unpack_from("<I", fixed, kinds[6][1] + 8)[0], 2)
        self.assertEqual(struct.unpack_from("<I", fixed, kinds[8][1] + 8)[0], 1)
        self.assertEqual(struct.unpack_from("<I", fixed, kinds[9][1] + 8)[0], 2)
        self.assertEqual(struct.unpack_from("<IIH", fixed, 48), (len(fixed), 11, 3))

    def test_nothing_to_correct_leaves_the_file(self):
        # A stock pen selected, or no widening at all.
        for body in ((record(37, 0x80000007), record(66)), (record(38, 1, 0, 11, 0, 0), record(37, 1))):
            data = emf(*body)
            self.assertEqual(emf_records.with_widening_pens_scaled(data, 2.0), (data, 0))

    def test_list_lines_and_the_fault_showing(self):
        tmp = tempfile.TemporaryDirectory()
        self.addCleanup(tmp.cleanup)
        corpus, out = os.path.join(tmp.name, "corpus"), os.path.join(tmp.name, "out")
        os.makedirs(os.path.join(corpus, "gdi"))
        open(os.path.join(corpus, "gdi", "a.emf"), "wb").close()
        path = os.path.join(tmp.name, "list.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write("# comment\ngdi/a.emf | widen | why\ngdi/gone.emf | widen | not in the corpus\n")
        (e,) = wine_faults.gdi_listed(path, corpus)
        self.assertEqual((e.file, e.correction, e.picture), ("gdi/a.emf", "widen", "gdi__a.emf.png"))
        for bad in ("gdi/a.wmf | widen | x", "gdi/a.emf | shrink | x", "gdi/a.emf | widen"):
            with open(path, "w", encoding="utf-8") as f:
                f.write(bad + "\n")
            with self.assertRaises(ValueError):
                wine_faults.gdi_listed(path, corpus)
        self.assertFalse(wine_faults.gdi_evidence(e, out)["holds"])  # no pictures
        os.makedirs(os.path.join(out, "windows", "evidence"))
        picture = Image.new("RGB", (100, 100), "white")
        picture.save(os.path.join(out, "windows", e.picture))
        picture.save(os.path.join(out, "windows", "evidence", e.picture))
        self.assertFalse(wine_faults.gdi_evidence(e, out)["holds"])
        ImageDraw.Draw(picture).rectangle((0, 0, 9, 9), fill="black")  # 1 % differs
        picture.save(os.path.join(out, "windows", "evidence", e.picture))
        ev = wine_faults.gdi_evidence(e, out)
        self.assertTrue(ev["holds"])
        self.assertAlmostEqual(ev["differ"], 0.01)


class SourcePlacement(unittest.TestCase):
    def test_frame_rounded_up_to_millimetres_covers_more_than_the_page(self):
        # A 60 px page (15.875 mm) exported with a 16 mm frame.
        svg = '<svg width="60" height="60" xmlns="http://www.w3.org/2000/svg">'
        x0, y0, x1, y1 = source_drawing.export_area(svg, emf(frame=(0, 0, 1599, 1599)))
        self.assertEqual((x0, y0), (0, 0))
        self.assertAlmostEqual(x1, 1599 * 96 / 2540, places=6)
        self.assertAlmostEqual(y1, 60.435, places=3)

    def test_view_box_and_units(self):
        svg = '<svg\n width="100mm" height="50mm" viewBox="10 20 200 100">'
        x0, y0, x1, y1 = source_drawing.export_area(svg, emf(frame=(0, 0, 10000, 5000)))
        self.assertAlmostEqual(x0, 10)
        self.assertAlmostEqual(y0, 20)
        self.assertAlmostEqual(x1, 210, places=6)
        self.assertAlmostEqual(y1, 120, places=6)
        with self.assertRaises(ValueError):
            source_drawing.export_area('<svg width="100%" height="1" viewBox="0 0 1 1">', emf())

    def test_one_sample_a_pixel_at_its_own_coordinate(self):
        s = source_drawing.SUPERSAMPLE
        big = Image.new("RGB", (3 * s, 2 * s), (255, 255, 255))
        big.putpixel((s, s), (255, 0, 0))  # first pixel of block (1, 1)
        big.putpixel((2 * s + 1, 0), (0, 0, 255))  # inside block (2, 0), not its sample
        out = source_drawing.sampled(big, 3, 2)
        self.assertEqual(out.getpixel((1, 1)), (255, 0, 0))
        self.assertEqual(out.getpixel((2, 0)), (255, 255, 255))
        with self.assertRaises(ValueError):
            source_drawing.sampled(big, 4, 2)


class WineEvidence(unittest.TestCase):
    """Pictures of a square outlined by a grey pen: Wine shown wrong when its
    picture lacks the outline that the pen-fixed picture, the WMF export and the
    source drawing have."""

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.out, self.corpus = os.path.join(self.tmp.name, "out"), os.path.join(self.tmp.name, "corpus")
        os.makedirs(os.path.join(self.corpus, "inkscape"))
        with open(os.path.join(self.corpus, "inkscape", "a.emf"), "wb") as f:
            f.write(emf(ext_pen(1, 0x10000, 39, 0x333333), ext_pen(2, 0x10000, 8, 0xFFFFFF)))
        self.entry = wine_faults.Entry("inkscape/a.emf", "a.svg", "drawing", "wide outline")

    def tearDown(self):
        self.tmp.cleanup()

    def save(self, folder, name, outlined, thin=False):
        path = os.path.join(self.out, folder, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        picture = Image.new("RGB", (wine_faults.WIDTH, wine_faults.HEIGHT), (255, 255, 255))
        draw = ImageDraw.Draw(picture)
        draw.rectangle((100, 50, 400, 200), fill=(127, 127, 127))
        if outlined:
            draw.rectangle((100, 50, 400, 200), outline=GREY, width=20)
        if thin:
            draw.rectangle((100, 50, 400, 200), outline=(0, 0, 0), width=1)
        picture.save(path)

    def pictures(self, wine, wmf=True, source=True):
        name = self.entry.picture
        self.save("windows", name, outlined=wine, thin=not wine)
        self.save("windows/evidence", name, outlined=True)
        self.save("windows", "inkscape__a.wmf.png", outlined=wmf)
        self.save("source", name, outlined=source)
        self.save("native", name, outlined=True)

    def test_outline_missing_only_in_wines_picture(self):
        self.pictures(wine=False)
        ev = wine_faults.evidence(self.entry, self.corpus, self.out)
        self.assertTrue(ev["holds"])
        self.assertEqual((ev["pens"], ev["widths"]), (2, [8, 39]))
        self.assertGreater(ev["missing"], 0.05)
        self.assertEqual((ev["wmf"], ev["source"], ev["native"]), (1.0, 1.0, 1.0))

    def test_not_shown_when_wine_draws_the_outline_or_nothing_else_does(self):
        self.pictures(wine=True)
        self.assertFalse(wine_faults.evidence(self.entry, self.corpus, self.out)["holds"])
        self.pictures(wine=False, wmf=False)
        self.assertFalse(wine_faults.evidence(self.entry, self.corpus, self.out)["holds"])
        self.pictures(wine=False, source=False)
        self.assertFalse(wine_faults.evidence(self.entry, self.corpus, self.out)["holds"])

    def test_a_missing_picture_is_no_evidence(self):
        self.pictures(wine=False)
        os.remove(os.path.join(self.out, "windows", "evidence", self.entry.picture))
        self.assertFalse(wine_faults.evidence(self.entry, self.corpus, self.out)["holds"])

    def test_list_lines(self):
        path = os.path.join(self.tmp.name, "list.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write("# comment\n\ninkscape/a.emf | a/b.svg | export | why, with | no split\n")
        with self.assertRaises(ValueError):
            wine_faults.listed(path)
        with open(path, "w", encoding="utf-8") as f:
            f.write("inkscape/a.emf | a/b.svg | export | gradients\n")
        (e,) = wine_faults.listed(path)
        self.assertEqual((e.file, e.svg, e.reference, e.picture), ("inkscape/a.emf", "a/b.svg", "export",
                                                                   "inkscape__a.emf.png"))
        self.assertTrue(wine_faults.reference_picture(e, "o").endswith(os.path.join("export", "inkscape__a.emf.png")))
        for bad in ("inkscape/a.wmf | a.svg | drawing | x", "inkscape/a.emf | a.svg | windows | x"):
            with open(path, "w", encoding="utf-8") as f:
                f.write(bad + "\n")
            with self.assertRaises(ValueError):
                wine_faults.listed(path)


if __name__ == "__main__":
    unittest.main()
