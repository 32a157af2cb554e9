#!/usr/bin/env python3
"""Draws the program's icons (Ic0, IcY0) and the dialog's picture, for every screen density the
program draws itself for: 96 dots per inch (100 %) and 120, 144, 168, 192 (125 to 200 %).

Usage: draw_art.py OUTDIR   -> OUTDIR/Ic0.ico, OUTDIR/IcY0.ico (16 to 64 pixels),
                               OUTDIR/picture.bmp (96 dpi), OUTDIR/picture120.bmp ... picture192.bmp
Standard library only, so that any build machine can run it.
"""
import math
import os
import struct
import sys

TRANSPARENT = (0, 0, 0, 0)


class Canvas:
    def __init__(self, w, h, fill=TRANSPARENT):
        self.w, self.h = w, h
        self.px = [[fill for _ in range(w)] for _ in range(h)]

    def put(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, c)

    def line(self, x0, y0, x1, y1, c, width=1):
        n = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(n + 1):
            x = x0 + (x1 - x0) * i / n
            y = y0 + (y1 - y0) * i / n
            self.dot(x, y, width / 2, c)

    def dot(self, cx, cy, r, c):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + 0.25:
                    self.put(x, y, c)

    def text(self, x, y, s, c, scale=1):
        """5 x 7 letters; a scale that is not whole rounds each letter cell to pixels."""
        for ch in s:
            rows = FONT.get(ch, FONT[" "])
            for j, row in enumerate(rows):
                for i, bit in enumerate(row):
                    if bit == "#":
                        self.rect(round(x + i * scale), round(y + j * scale),
                                  round(x + (i + 1) * scale), round(y + (j + 1) * scale), c)
            x += (len(rows[0]) + 1) * scale


FONT = {
    " ": ["   "] * 7,
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "V": ["#   #", "#   #", "#   #", "#   #", " # # ", " # # ", "  #  "],
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "N": ["#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"],
    "T": ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "H": ["#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "Y": ["#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "],
    "0": [" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "],
}

SKY = (236, 244, 252, 255)
GROUND = (70, 140, 60, 255)
EARTH = (150, 110, 70, 255)
STEEL = (70, 80, 95, 255)
RED = (220, 40, 30, 255)
BLUE = (0, 100, 200, 255)
ORANGE = (220, 100, 0, 255)


def parabola(canvas, x0, y0, x1, peak, colour, dash=0, width=1.0):
    """Path from (x0, y0) landing at (x1, y0) with apex `peak` pixels above."""
    steps = 200
    prev = None
    for i in range(steps + 1):
        u = i / steps
        x = x0 + (x1 - x0) * u
        y = y0 - 4 * peak * u * (1 - u)
        if prev and (not dash or (i // dash) % 2 == 0):
            canvas.line(prev[0], prev[1], x, y, colour, width)
        prev = (x, y)


def cannon(canvas, x, y, size):
    canvas.line(x, y, x + size * math.cos(math.radians(45)), y - size * math.sin(math.radians(45)), STEEL, size / 3)
    canvas.dot(x, y + size / 6, size / 4, EARTH)


def icon_launch(n):
    c = Canvas(n, n)
    s = n / 32
    c.rect(0, int(27 * s), n, n, GROUND)
    parabola(c, 6 * s, 24 * s, 30 * s, 20 * s, RED, dash=14, width=max(1.0, 1.6 * s))
    cannon(c, 5 * s, 25 * s, 9 * s)
    c.dot(18 * s, 4.5 * s, 2.6 * s, BLUE)
    return c


def icon_height(n):
    c = Canvas(n, n)
    s = n / 32
    c.rect(0, int(29 * s), n, n, GROUND)
    x = 7 * s
    c.line(x, 28 * s, x, 6 * s, BLUE, max(1.0, 1.5 * s))
    c.line(x, 5 * s, x - 3.5 * s, 10 * s, BLUE, max(1.0, 1.5 * s))
    c.line(x, 5 * s, x + 3.5 * s, 10 * s, BLUE, max(1.0, 1.5 * s))
    c.dot(x, 5 * s, 2 * s, RED)
    if n >= 32:
        c.text(int(13 * s), int(9 * s), "Y0", ORANGE, scale=1 if n < 48 else s)
    return c


def picture(s=1):
    """The picture at `s` times its 96-dpi size of 190 x 92 pixels (s = 1 draws exactly that)."""
    w, h = round(190 * s), round(92 * s)
    c = Canvas(w, h, SKY)
    c.rect(0, h - round(14 * s), w, h, GROUND)
    c.rect(0, h - round(6 * s), w, h, EARTH)
    ground = h - round(14 * s)
    parabola(c, 22 * s, ground - 6 * s, w - 14 * s, 62 * s, RED, dash=9, width=1.5 * s)
    parabola(c, 22 * s, ground - 6 * s, w - 50 * s, 30 * s, BLUE, dash=6, width=1.0 * s)
    cannon(c, 20 * s, ground - 4 * s, 18 * s)
    apex = (22 * s + w - 14 * s) / 2
    c.line(apex, ground - 2 * s, apex, ground - 66 * s, (120, 130, 140, 255), 1 * s)
    c.dot(apex, ground - 68 * s, 3.2 * s, BLUE)
    c.text(w - round(70 * s), h - round(12 * s), "OVANTA SHOT", (255, 255, 255, 255), scale=s)
    return c


def write_bmp(path, canvas):
    """8-bit palette, run-length encoded (BI_RLE8): the picture has few colours and long runs."""
    palette = []
    index = {}
    for row in canvas.px:
        for p in row:
            if p[:3] not in index:
                index[p[:3]] = len(palette)
                palette.append(p[:3])
    if len(palette) > 256:
        return write_bmp24(path, canvas)
    data = bytearray()
    for y in range(canvas.h - 1, -1, -1):
        row = [index[p[:3]] for p in canvas.px[y]]
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and run < 255 and row[x + run] == row[x]:
                run += 1
            data += bytes((run, row[x]))
            x += run
        data += b"\0\0"  # end of line
    data[-1] = 1  # the last end of line becomes the end of the bitmap
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 54 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 8, 1, len(data), 2835, 2835,
                       len(palette), len(palette))
    with open(path, "wb") as f:
        f.write(header + info + colours + data)


def write_bmp24(path, canvas):
    row = (canvas.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(canvas.h - 1, -1, -1):
        line = bytearray()
        for r, g, b, a in canvas.px[y]:
            line += bytes((b, g, r))
        line += b"\0" * (row - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def icon_image(canvas):
    """The 16 and 32 pixel images (96 dots per inch) with 32 bits a pixel and an alpha channel,
    as they always were; the sizes that only denser screens ask for with 4 or 8 bits a pixel, a
    palette and a mask: their few colours fit, and they take a sixth of the room in the exe."""
    if canvas.w not in (16, 32):
        return icon_image_palette(canvas)
    n = canvas.w
    xor = bytearray()
    for y in range(n - 1, -1, -1):
        for r, g, b, a in canvas.px[y]:
            xor += bytes((b, g, r, a))
    mask_row = ((n + 31) // 32) * 4
    mask = bytearray()
    for y in range(n - 1, -1, -1):
        bits = bytearray(mask_row)
        for x, (r, g, b, a) in enumerate(canvas.px[y]):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def icon_image_palette(canvas):
    n = canvas.w
    # Entry 0 is black: a transparent pixel must leave the screen as it is after the mask.
    colours = [(0, 0, 0)]
    for row in canvas.px:
        for p in row:
            if p[3] and p[:3] not in colours:
                colours.append(p[:3])
    bits = 4 if len(colours) <= 16 else 8
    index = {c: i for i, c in enumerate(colours)}
    row_bytes = ((n * bits + 31) // 32) * 4
    xor = bytearray()
    for y in range(n - 1, -1, -1):
        line = bytearray(row_bytes)
        for x, p in enumerate(canvas.px[y]):
            i = index[p[:3]] if p[3] else 0
            if bits == 8:
                line[x] = i
            else:
                line[x // 2] |= i << (4 if x % 2 == 0 else 0)
        xor += line
    mask_row = ((n + 31) // 32) * 4
    mask = bytearray()
    for y in range(n - 1, -1, -1):
        line = bytearray(mask_row)
        for x, p in enumerate(canvas.px[y]):
            if p[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    info = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, bits, 0, len(xor) + len(mask), 0, 0,
                       len(colours), 0)
    return info + palette + xor + mask


def write_ico(path, canvases):
    images = [icon_image(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, img in zip(canvases, images):
        bits = struct.unpack_from("<H", img, 14)[0]
        colours = struct.unpack_from("<I", img, 32)[0] if bits < 16 else 0
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, colours % 256, 0, 1, bits, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def write_png(path, canvas):
    """Preview for people: look at the art without building the program."""
    import zlib
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in canvas.px)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# The two sizes of 96 dots per inch first, as before, then those of the denser screens: the
# window's small and large icons are 16 and 32 pixels at 96 dpi and grow in proportion.
ICON_SIZES = [32, 16, 20, 24, 40, 48, 64]
PICTURE_DPIS = [120, 144, 168, 192]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    write_ico(os.path.join(out, "Ic0.ico"), [icon_launch(n) for n in ICON_SIZES])
    write_ico(os.path.join(out, "IcY0.ico"), [icon_height(n) for n in ICON_SIZES])
    write_bmp(os.path.join(out, "picture.bmp"), picture())
    for dpi in PICTURE_DPIS:
        write_bmp(os.path.join(out, f"picture{dpi}.bmp"), picture(dpi / 96))
    if "--preview" in sys.argv:
        write_png(os.path.join(out, "Ic0.png"), icon_launch(32))
        write_png(os.path.join(out, "IcY0.png"), icon_height(32))
        write_png(os.path.join(out, "picture.png"), picture())
        for dpi in PICTURE_DPIS:
            write_png(os.path.join(out, f"picture{dpi}.png"), picture(dpi / 96))
            write_png(os.path.join(out, f"Ic0-{dpi}.png"), icon_launch(dpi // 3))


if __name__ == "__main__":
    main()
