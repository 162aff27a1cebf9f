#!/usr/bin/python3
"""Makes the picture corpus with real tools: bitmaps in every depth and header
ImageMagick and Pillow write, icons from ImageMagick, icotool and Pillow, JPEGs
from Debian's sample photo through cjpeg, jpegtran and ImageMagick.
    make_corpus.py OUT_DIR
Every file is made fresh from Debian packages (scripts/setup.sh installs them)."""
import os
import subprocess
import sys

from PIL import Image, ImageDraw

PHOTO = "/usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg"


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def shapes(size, alpha):
    """Pixel art with hard edges and, with alpha, soft translucent parts."""
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0) if alpha else (255, 255, 255, 255))
    d = ImageDraw.Draw(img)
    s = size
    d.ellipse((s // 8, s // 8, s * 7 // 8, s * 7 // 8), fill=(220, 40, 30, 255))
    d.rectangle((s // 3, s // 5, s * 2 // 3, s * 4 // 5), fill=(30, 90, 200, 160 if alpha else 255))
    d.line((0, s - 1, s - 1, 0), fill=(250, 220, 0, 255), width=max(1, s // 16))
    for i in range(0, s, max(2, s // 8)):
        d.point((i, s // 2), fill=(0, 0, 0, 255))
    if alpha:
        for x in range(s):
            d.point((x, s - 2), fill=(0, 160, 0, x * 255 // max(1, s - 1)))
    return img


def bitmaps(out):
    src = os.path.join(out, "src.png")
    Image.open(PHOTO).convert("RGB").resize((97, 61)).save(src)
    alpha_src = os.path.join(out, "src_alpha.png")
    shapes(53, True).save(alpha_src)
    im = [
        ("im_bmp3_24", ["BMP3:"], []),
        ("im_bmp3_8", ["BMP3:"], ["-type", "palette", "-compress", "none"]),
        ("im_bmp3_4", ["BMP3:"], ["-colors", "16", "-type", "palette"]),
        ("im_bmp3_1", ["BMP3:"], ["-monochrome"]),
        ("im_bmp3_rle8", ["BMP3:"], ["-type", "palette", "-compress", "RLE"]),
        ("im_bmp2_8", ["BMP2:"], ["-type", "palette"]),
        ("im_bmp2_24", ["BMP2:"], []),
        ("im_bmp2_1", ["BMP2:"], ["-monochrome"]),
        ("im_bmp5_24", ["BMP:"], []),
        ("im_bmp5_8", ["BMP:"], ["-type", "palette", "-compress", "none"]),
        ("im_bmp5_rle8", ["BMP:"], ["-type", "palette"]),
        ("im_bmp5_rgb565", ["BMP:"], ["-define", "bmp:subtype=RGB565"]),
        ("im_bmp5_rgb555", ["BMP:"], ["-define", "bmp:subtype=RGB555"]),
        ("im_bmp5_argb4444", ["BMP:"], ["-define", "bmp:subtype=ARGB4444", "-alpha", "on"]),
        ("im_bmp5_argb1555", ["BMP:"], ["-define", "bmp:subtype=ARGB1555", "-alpha", "on"]),
        ("im_bmp4_32", ["BMP:"], ["-alpha", "on", "-define", "bmp:format=bmp4"]),
    ]
    for name, prefix, opts in im:
        run("convert", src, *opts, prefix[0] + os.path.join(out, name + ".bmp"))
    run("convert", alpha_src, "BMP:" + os.path.join(out, "im_bmp5_alpha32.bmp"))
    photo = Image.open(src)
    photo.save(os.path.join(out, "pil_24.bmp"))
    photo.convert("L").save(os.path.join(out, "pil_grey8.bmp"))
    photo.convert("P", palette=Image.ADAPTIVE, colors=200).save(os.path.join(out, "pil_p8.bmp"))
    photo.convert("1").save(os.path.join(out, "pil_1.bmp"))


def icons(out):
    pngs = {}
    for size in (16, 24, 32, 48, 256):
        for alpha in (True, False):
            p = os.path.join(out, f"shape{size}{'a' if alpha else ''}.png")
            shapes(size, alpha).save(p)
            pngs[(size, alpha)] = p
    # icotool: 32-bit entries with their masks, palette entries, a PNG entry.
    run("icotool", "-c", "-o", os.path.join(out, "icotool_32a.ico"), pngs[(32, True)], pngs[(16, True)])
    run("icotool", "-c", "-o", os.path.join(out, "icotool_48a.ico"), pngs[(48, True)])
    pal = os.path.join(out, "shape32p.png")
    Image.open(pngs[(32, False)]).convert("P", palette=Image.ADAPTIVE, colors=16).save(pal)
    run("icotool", "-c", "-o", os.path.join(out, "icotool_32p.ico"), pal)
    pal1 = os.path.join(out, "shape24m.png")
    Image.open(pngs[(24, False)]).convert("1").save(pal1)
    run("icotool", "-c", "-o", os.path.join(out, "icotool_24m.ico"), pal1)
    run("icotool", "-c", "-o", os.path.join(out, "icotool_png256.ico"), "-r", pngs[(256, True)], pngs[(32, True)])
    # ImageMagick: a 256 px PNG entry first, and single bitmap entries.
    run("convert", pngs[(256, True)], "-define", "icon:auto-resize=256,48,32,16",
        os.path.join(out, "im_auto256.ico"))
    run("convert", pngs[(48, True)], os.path.join(out, "im_48a.ico"))
    run("convert", pngs[(32, False)], os.path.join(out, "im_32.ico"))
    run("convert", pngs[(32, False)], "-type", "palette", os.path.join(out, "im_32p.ico"))
    # Pillow writes every entry as PNG.
    Image.open(pngs[(48, True)]).save(os.path.join(out, "pil_48a.ico"), sizes=[(48, 48)])
    Image.open(pngs[(32, False)]).convert("RGB").save(os.path.join(out, "pil_32.ico"), sizes=[(32, 32)])
    Image.open(pngs[(256, True)]).save(os.path.join(out, "pil_multi.ico"), sizes=[(16, 16), (32, 32), (64, 64)])
    # Directories whose size differs from the bitmap's: larger and smaller.
    data = bytearray(open(os.path.join(out, "icotool_32p.ico"), "rb").read())
    data[6], data[7] = 48, 40
    open(os.path.join(out, "mismatch_grow.ico"), "wb").write(data)
    data[6], data[7] = 20, 24
    open(os.path.join(out, "mismatch_shrink.ico"), "wb").write(data)
    data = bytearray(open(os.path.join(out, "icotool_48a.ico"), "rb").read())
    data[6], data[7] = 0, 0  # 256 in a directory
    open(os.path.join(out, "mismatch_256a.ico"), "wb").write(data)
    for p in list(pngs.values()) + [pal, pal1]:
        os.remove(p)


def jpegs(out):
    base = os.path.join(out, "photo.ppm")
    Image.open(PHOTO).convert("RGB").resize((301, 217)).save(base)
    run("cp", PHOTO, os.path.join(out, "debian_photo.jpg"))
    plain = os.path.join(out, "cjpeg_base.jpg")
    subprocess.run(["cjpeg", "-quality", "85", "-outfile", plain, base], check=True)
    subprocess.run(["cjpeg", "-sample", "1x1", "-outfile", os.path.join(out, "cjpeg_444.jpg"), base], check=True)
    subprocess.run(["cjpeg", "-grayscale", "-outfile", os.path.join(out, "cjpeg_grey.jpg"), base], check=True)
    for name, opts in (("progressive", ["-progressive"]), ("arithmetic", ["-arithmetic"]),
                       ("restart", ["-restart", "1"]), ("optimized", ["-optimize"]),
                       ("grey_progressive", ["-grayscale", "-progressive"])):
        subprocess.run(["jpegtran", *opts, "-outfile", os.path.join(out, f"jpegtran_{name}.jpg"), plain], check=True)
    run("convert", base, "-colorspace", "CMYK", "-quality", "90", os.path.join(out, "im_cmyk.jpg"))
    run("convert", base, "-interlace", "JPEG", os.path.join(out, "im_progressive.jpg"))
    os.remove(base)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    bitmaps(out)
    icons(out)
    jpegs(out)
    os.remove(os.path.join(out, "src.png"))
    os.remove(os.path.join(out, "src_alpha.png"))


if __name__ == "__main__":
    main()
