"""The comparison of two builds' exported files: layout numbers may differ (the
fonts measure differently), anything else fails: another decimal separator in
the text, other characters, other records. Run with python3."""
import os
import struct
import subprocess
import sys
import tempfile
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "export_build_diff.py")


def record(kind, body):
    return struct.pack("<II", kind, 8 + len(body)) + body


def text(x, chars, dx):
    """An EXTTEXTOUTW at (x, 10) with one advance per character."""
    n = len(chars)
    body = struct.pack("<4iIff", 0, 0, 50, 10, 1, 0, 0)
    body += struct.pack("<iiIII4iI", x, 10, n, 76, 0, 0, 0, 0, 0, 76 + (2 * n + 3) // 4 * 4)
    s = chars.encode("utf-16-le")
    body += s + b"\0" * ((-len(s)) % 4) + struct.pack(f"<{n}i", *dx)
    return record(84, body)


def emf(*records):
    return record(1, bytes(80)) + b"".join(records) + record(14, bytes(12))


class ExportBuildDiff(unittest.TestCase):
    def run_tool(self, a, b, suffix):
        with tempfile.TemporaryDirectory() as d:
            pa, pb = os.path.join(d, "a" + suffix), os.path.join(d, "b" + suffix)
            open(pa, "wb").write(a)
            open(pb, "wb").write(b)
            r = subprocess.run([sys.executable, TOOL, pa, pb], capture_output=True, text=True)
            return r.returncode, r.stdout

    def test_emf_text_moved_by_measurement_passes_and_names_the_pixels(self):
        code, out = self.run_tool(emf(text(5, "Май", [8, 6, 6])), emf(text(6, "Май", [8, 7, 6])), ".emf")
        self.assertEqual(code, 0, out)
        self.assertIn("1 EXTTEXTOUTW record(s) differ, by at most 1 px", out)
        code, out = self.run_tool(emf(text(5, "Май", [8, 6, 6])), emf(text(5, "Май", [8, 6, 6])), ".emf")
        self.assertEqual((code, out.strip().endswith("identical")), (0, True))

    def test_emf_other_characters_or_records_fail(self):
        self.assertEqual(self.run_tool(emf(text(5, "5.5", [6, 3, 6])), emf(text(5, "5,5", [6, 3, 6])), ".emf")[0], 1)
        self.assertEqual(self.run_tool(emf(text(5, "5", [6])), emf(text(5, "5", [6]), text(9, "5", [6])), ".emf")[0], 1)
        comment = lambda t: record(70, struct.pack("<I", 2 * len(t)) + t.encode("utf-16-le"))
        self.assertEqual(self.run_tool(emf(comment("9.98 %")), emf(comment("9,98 %")), ".emf")[0], 1)

    def test_svg_numbers_may_move_but_not_the_decimal_separator(self):
        a = '<svg><rect x="424.5" width="79"/><desc>Май: 56 (9.98 %)</desc></svg>'
        moved = a.replace("424.5", "425.5").replace("79", "78")
        self.assertEqual(self.run_tool(a.encode(), moved.encode(), ".svg")[0], 0)
        comma = a.replace("9.98", "9,98")
        self.assertEqual(self.run_tool(a.encode(), comma.encode(), ".svg")[0], 1)


if __name__ == "__main__":
    unittest.main()
