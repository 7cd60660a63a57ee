#!/usr/bin/env python3
"""Renders the SVG drawings in res/art and writes the program's bitmaps and icons.

Run through scripts/make-art.sh. Needs rsvg-convert (librsvg2-bin) and Pillow
(python3-pil); the normal build only uses the committed .bmp and .ico files.

Pictures with a key colour are written without anti-aliasing into that colour:
the program (or the image list) replaces the key colour by a background, and
edges blended against the key would leave a coloured fringe. Partly covered
pixels are therefore blended against the background they will really sit on.
"""
import os
import struct
import subprocess
import sys
import tempfile

from PIL import Image, ImageEnhance

ART = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(ART)
BITMAPS = os.path.join(RES, "bitmaps")
ICONS = os.path.join(RES, "icons")

BUTTON_FACE = (240, 240, 240)
TOOLBAR_KEY = (192, 1, 0)
TREE_KEY = (192, 192, 192)
TREE_BACKGROUND = (255, 255, 255)


def render(svg_name, width, height):
    """Renders an SVG file to an RGBA image of the given size."""
    with tempfile.TemporaryDirectory() as tmp:
        png = os.path.join(tmp, "out.png")
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height),
                        "-o", png, os.path.join(ART, svg_name)], check=True)
        with Image.open(png) as img:
            return img.convert("RGBA")


def flatten(img, background):
    base = Image.new("RGBA", img.size, background + (255,))
    return Image.alpha_composite(base, img).convert("RGB")


def keyed(img, key, background, min_alpha):
    """Pixels under min_alpha become the key colour; the rest are blended
    against background. A drawn pixel that happens to equal the key is nudged
    so that it is not made transparent."""
    solid = flatten(img, background)
    out = Image.new("RGB", img.size)
    alpha = img.getchannel("A").load()
    src = solid.load()
    dst = out.load()
    nudged = (key[0], key[1] + 1 if key[1] < 255 else key[1] - 1, key[2])
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            if alpha[x, y] < min_alpha:
                dst[x, y] = key
            else:
                dst[x, y] = nudged if src[x, y] == key else src[x, y]
    return out


def greyed(img, background=BUTTON_FACE, fade=0.5):
    """A disabled look: grey shades of the picture, faded towards background."""
    lum = img.convert("RGB").convert("L")
    bg = sum(background) / 3.0
    faded = lum.point(lambda v: int(round(bg - (bg - v) * fade)))
    rgb = Image.merge("RGB", (faded, faded, faded))
    if img.mode == "RGBA":
        rgb = rgb.convert("RGBA")
        rgb.putalpha(img.getchannel("A"))
    return rgb


def brightened(img):
    """A hot look: livelier colours and a little more light."""
    rgb = img.convert("RGB")
    rgb = ImageEnhance.Color(rgb).enhance(1.35)
    rgb = ImageEnhance.Brightness(rgb).enhance(1.16)
    rgb = rgb.convert("RGBA")
    rgb.putalpha(img.getchannel("A"))
    return rgb


def save_bmp(img, name):
    """Uncompressed 24-bit BMP with a BITMAPINFOHEADER, as LoadImage expects."""
    path = os.path.join(BITMAPS, name)
    img.convert("RGB").save(path, "BMP")
    print("wrote", os.path.relpath(path, RES), "%dx%d" % img.size)


def save_ico(images, name):
    """Icon with one 32-bit (alpha) DIB entry per image, plus the AND mask that
    older readers use."""
    entries = []
    blobs = []
    for img in images:
        w, h = img.size
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        px = img.load()
        xor = bytearray()
        for y in range(h - 1, -1, -1):
            for x in range(w):
                r, g, b, a = px[x, y]
                xor += bytes((b, g, r, a) if a else (0, 0, 0, 0))
        stride = ((w + 31) // 32) * 4
        mask = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                if px[x, y][3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        blobs.append(header + bytes(xor) + bytes(mask))
        entries.append((w, h))
    offset = 6 + 16 * len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    for (w, h), blob in zip(entries, blobs):
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    path = os.path.join(ICONS, name)
    with open(path, "wb") as f:
        f.write(out)
    print("wrote", os.path.relpath(path, RES), "x".join("%d" % w for w, _ in entries))


def make_icons():
    save_ico([render("reelmark-16.svg", 16, 16), render("reelmark.svg", 32, 32),
              render("reelmark.svg", 48, 48)], "reelmark.ico")
    save_ico([render("delete-16.svg", 16, 16), render("delete.svg", 32, 32),
              render("delete.svg", 48, 48)], "delete.ico")


def make_toolbar():
    strip = render("toolbar.svg", 288, 31)
    save_bmp(keyed(strip, TOOLBAR_KEY, BUTTON_FACE, 10), "toolbar-normal.bmp")
    save_bmp(keyed(greyed(strip), TOOLBAR_KEY, BUTTON_FACE, 10), "toolbar-disabled.bmp")
    save_bmp(keyed(brightened(strip), TOOLBAR_KEY, BUTTON_FACE, 10), "toolbar-hot.bmp")


def make_tree():
    strip = render("tree.svg", 180, 20)
    save_bmp(keyed(strip, TREE_KEY, TREE_BACKGROUND, 128), "tree.bmp")


def make_stars():
    rows = flatten(render("stars.svg", 130, 96), BUTTON_FACE)
    for n in range(1, 5):
        save_bmp(rows.crop((0, 24 * (n - 1), 130, 24 * n)), "stars-%d.bmp" % n)


def make_copy_buttons():
    cells = flatten(render("copy-buttons.svg", 225, 73), BUTTON_FACE)
    play, copy, blocked = (cells.crop((75 * i, 0, 75 * (i + 1), 73)) for i in range(3))
    save_bmp(play, "copy-play.bmp")
    save_bmp(greyed(play, fade=0.6), "copy-play-disabled.bmp")
    save_bmp(copy, "copy-ready.bmp")
    save_bmp(greyed(copy, fade=0.6), "copy-empty.bmp")
    save_bmp(blocked, "copy-blocked.bmp")


def make_splash():
    save_bmp(flatten(render("splash.svg", 500, 345), (0, 0, 0)), "splash.bmp")


def main():
    os.makedirs(BITMAPS, exist_ok=True)
    os.makedirs(ICONS, exist_ok=True)
    make_icons()
    make_toolbar()
    make_tree()
    make_stars()
    make_copy_buttons()
    make_splash()
    return 0


if __name__ == "__main__":
    sys.exit(main())
