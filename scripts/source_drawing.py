"""An openclipart drawing rendered by Inkscape where a "Stretch" back picture
puts Inkscape's EMF export of it, without antialiasing (GDI has none).

The EMF's frame is Inkscape's page rounded up to whole millimetres; GDI
stretches the frame (not the page) over the destination, so the area exported
here is the frame's, in the drawing's own units. Inkscape offers no switch for
antialiasing, so the drawing is rendered at SUPERSAMPLE times the size and one
sample a pixel kept: the one at the pixel's own coordinate, the point GDI's
rasterizer decides a pixel by (against GDI's own pictures of seven corpus EMFs
without wide pens it agrees better than the block's centre on six).

The same for Inkscape's rendering of the EMF itself, for drawings that hold
what the export leaves out (gradients)."""
import os
import re
import subprocess
import tempfile

from PIL import Image

import emf_records

SUPERSAMPLE = 8
PX_PER_UNIT = {"": 1.0, "px": 1.0, "pt": 96 / 72, "pc": 16.0, "mm": 96 / 25.4, "cm": 96 / 2.54, "in": 96.0}
# A CSS pixel in hundredths of a millimetre: the EMF frame's unit.
HUNDREDTHS_MM_PER_PX = 2540 / 96


def _length(text):
    m = re.fullmatch(r"\s*([0-9.eE+-]+)\s*([a-z]*)\s*", text or "")
    if not m or m.group(2) not in PX_PER_UNIT:
        raise ValueError("unsupported page length %r" % text)
    return float(m.group(1)) * PX_PER_UNIT[m.group(2)]


def user_units_per_px(svg_text):
    """(origin x, origin y, user units per px across, down) of the drawing's root."""
    root = re.search(r"<svg\b[^>]*>", svg_text, re.S)
    if not root:
        raise ValueError("no <svg> element")
    attrs = dict(re.findall(r'\s([\w:-]+)\s*=\s*"([^"]*)"', root.group(0)))
    box = attrs.get("viewBox")
    if not box:
        return 0.0, 0.0, 1.0, 1.0
    x, y, w, h = (float(v) for v in re.split(r"[\s,]+", box.strip()))
    return x, y, w / _length(attrs.get("width", str(w))), h / _length(attrs.get("height", str(h)))


def export_area(svg_text, emf_data):
    """The drawing's area (x0, y0, x1, y1 in user units) the EMF's frame covers."""
    frame = emf_records.header(emf_data).frame
    ox, oy, ux, uy = user_units_per_px(svg_text)
    left, top, right, bottom = (v / HUNDREDTHS_MM_PER_PX for v in frame)
    return ox + left * ux, oy + top * uy, ox + right * ux, oy + bottom * uy


def _inkscape(source, area, width, height, out_png):
    env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}  # Inkscape stops at a trap near an X server
    subprocess.run(["inkscape", "--export-type=png", "--export-filename=" + out_png, area,
                    "--export-width=%d" % (width * SUPERSAMPLE), "--export-height=%d" % (height * SUPERSAMPLE),
                    "--export-background=white", "--export-background-opacity=1", source],
                   env=env, check=True, timeout=120, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def render_supersampled(svg_path, emf_data, width, height, out_png):
    """Write out_png: the drawing where the stretched back picture puts Inkscape's
    EMF of it, at SUPERSAMPLE times width x height, over white."""
    with open(svg_path, encoding="utf-8", errors="replace") as f:
        area = "--export-area=%.6f:%.6f:%.6f:%.6f" % export_area(f.read(), emf_data)
    _inkscape(svg_path, area, width, height, out_png)


def sampled(big, width, height, phase=0):
    """One rendered pixel of each SUPERSAMPLE-square block: the one `phase`
    rendered pixels into it across and down."""
    if big.size != (width * SUPERSAMPLE, height * SUPERSAMPLE):
        raise ValueError("rendered at %s, not %d x %d" % (big.size, width * SUPERSAMPLE, height * SUPERSAMPLE))
    src, out = big.convert("RGB").load(), Image.new("RGB", (width, height))
    dst = out.load()
    for y in range(height):
        for x in range(width):
            dst[x, y] = src[x * SUPERSAMPLE + phase, y * SUPERSAMPLE + phase]
    return out


def _render(draw, width, height, out_png):
    with tempfile.TemporaryDirectory() as tmp:
        big = os.path.join(tmp, "big.png")
        draw(big)
        out = sampled(Image.open(big), width, height)
    out.save(out_png)
    return out


def render(svg_path, emf_data, width, height, out_png):
    """Write out_png: width x height pixels of the drawing as the stretched back
    picture shows Inkscape's EMF of it, over white, without antialiasing."""
    return _render(lambda big: render_supersampled(svg_path, emf_data, width, height, big), width, height, out_png)


def render_export(emf_path, width, height, out_png):
    """Write out_png: Inkscape's own rendering of an EMF stretched over width x
    height, over white, without antialiasing. Inkscape opens an EMF with its
    frame as the page."""
    return _render(lambda big: _inkscape(emf_path, "--export-area-page", width, height, big), width, height, out_png)
