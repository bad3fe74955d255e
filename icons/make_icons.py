#!/usr/bin/env python3
"""Draws the programs' 32 x 32 icons, and from them the larger icons that
an installation puts into the desktop's hicolor theme (hicolor/NxN/apps).
The PNG files are kept in the repository; run this only to make them anew
(needs nothing but Python 3).

  kvaro.png  the converter: a little landscape, smooth on the left, turned
             into the four BK colours in coarse pixels on the right
  orvak.png  the viewer: a monitor that shows such a BK picture
  shell.png  the launcher: a panel of five buttons
"""
import math
import struct
import zlib

SIZE = 32
THEME_SIZES = [48, 64, 128, 256]
BK_COLOURS = [(0, 0, 0), (0, 0, 255), (0, 255, 0), (255, 0, 0)]


def write_png(path, pixels):
    """pixels: square rows of (r, g, b, a) tuples."""
    size = len(pixels)
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def blank():
    return [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def landscape(u, v):
    """The scene at (u, v) in 0..1: sky, sun and a green hill."""
    colour = mix((70, 140, 230), (190, 225, 255), v / 0.7)
    sun = math.hypot(u - 0.5, v - 0.3) / 0.15
    colour = mix((255, 150, 30), colour, sun - 0.6)
    hill = 0.62 + 0.08 * math.sin(u * 5.0 + 0.5)
    if v > hill:
        colour = mix((80, 190, 70), (20, 90, 30), (v - hill) / 0.35)
    return colour


def bk_colour(rgb, level=100):
    """The converter's colour rule: the strongest channel wins (blue over
    either on a tie, red over green), black when it is not above its level."""
    r, g, b = rgb
    if b >= r and b >= g:
        index, value = 1, b
    elif r >= g:
        index, value = 3, r
    else:
        index, value = 2, g
    return BK_COLOURS[index] if value > level else BK_COLOURS[0]


def fill(pixels, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            pixels[y][x] = tuple(colour) + (255,) if len(colour) == 3 else colour


def frame(pixels, x0, y0, x1, y1, colour):
    fill(pixels, x0, y0, x1, y0, colour)
    fill(pixels, x0, y1, x1, y1, colour)
    fill(pixels, x0, y0, x0, y1, colour)
    fill(pixels, x1, y0, x1, y1, colour)


def coarse_scene(pixels, x0, y0, width, height, block):
    """The scene in BK colours, in square blocks of `block` pixels."""
    for y in range(height):
        for x in range(width):
            u = (x // block * block + block / 2) / width
            v = (y // block * block + block / 2) / height
            pixels[y0 + y][x0 + x] = bk_colour(landscape(u, v)) + (255,)


def kvaro():
    pixels = blank()
    for y in range(30):
        for x in range(15):
            pixels[1 + y][1 + x] = landscape((x + 0.5) / 30, (y + 0.5) / 30) + (255,)
    for y in range(30):
        for x in range(15):
            u = (15 + (x // 3) * 3 + 1.5) / 30
            v = ((y // 3) * 3 + 1.5) / 30
            pixels[1 + y][16 + x] = bk_colour(landscape(u, v)) + (255,)
    frame(pixels, 0, 0, 31, 31, (40, 40, 40))
    fill(pixels, 15, 1, 15, 30, (255, 255, 255))
    return pixels


def orvak():
    pixels = blank()
    fill(pixels, 1, 2, 30, 24, (200, 200, 196))
    frame(pixels, 1, 2, 30, 24, (60, 60, 60))
    fill(pixels, 2, 3, 29, 3, (240, 240, 236))
    fill(pixels, 2, 3, 2, 23, (240, 240, 236))
    coarse_scene(pixels, 4, 5, 24, 17, 2)
    frame(pixels, 3, 4, 28, 22, (90, 90, 90))
    fill(pixels, 12, 25, 19, 27, (150, 150, 146))
    fill(pixels, 7, 28, 24, 29, (120, 120, 116))
    frame(pixels, 7, 28, 24, 29, (60, 60, 60))
    return pixels


def shell():
    pixels = blank()
    fill(pixels, 1, 1, 30, 30, (44, 52, 70))
    frame(pixels, 0, 0, 31, 31, (20, 24, 34))
    tags = [(255, 0, 0), (255, 0, 0), (0, 0, 255), (0, 0, 255), None]
    for row, tag in enumerate(tags):
        top = 3 + row * 6
        fill(pixels, 4, top, 27, top + 3, (212, 208, 200))
        fill(pixels, 4, top, 27, top, (255, 255, 255))
        fill(pixels, 4, top + 3, 27, top + 3, (110, 108, 104))
        fill(pixels, 27, top, 27, top + 3, (110, 108, 104))
        if tag:
            fill(pixels, 7, top + 1, 8, top + 2, tag)
            fill(pixels, 11, top + 1, 23, top + 2, (90, 90, 90))
        else:
            fill(pixels, 13, top + 1, 18, top + 2, (90, 90, 90))
    return pixels


def scaled(pixels, size):
    """The drawing at size x size: each new pixel is the area-weighted mean
    of the old pixels it covers (colours weighted by their alpha), so whole
    multiples of 32 keep every pixel sharp and 48 blends only the seams."""
    step = SIZE / size
    result = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy, wy in spans(y * step, step):
                for sx, wx in spans(x * step, step):
                    r, g, b, a = pixels[sy][sx]
                    w = wx * wy * a
                    total = [total[0] + r * w, total[1] + g * w, total[2] + b * w,
                             total[3] + wx * wy * a]
            alpha = total[3] / (step * step)
            colour = [round(c / total[3]) if total[3] else 0 for c in total[:3]]
            row.append(tuple(colour) + (round(alpha),))
        result.append(row)
    return result


def spans(start, length):
    """The old pixels that [start, start + length) covers, with the covered
    part of each."""
    index = int(start)
    end = start + length
    while index < end - 1e-9:
        covered = min(end, index + 1) - max(start, index)
        if covered > 1e-9:
            yield index, covered
        index += 1


if __name__ == "__main__":
    import os
    os.chdir(os.path.dirname(os.path.abspath(__file__)))
    for name, draw in [("kvaro", kvaro), ("orvak", orvak), ("shell", shell)]:
        pixels = draw()
        write_png(name + ".png", pixels)
        for size in THEME_SIZES:
            folder = "hicolor/%dx%d/apps" % (size, size)
            os.makedirs(folder, exist_ok=True)
            write_png("%s/%s.png" % (folder, name), scaled(pixels, size))
