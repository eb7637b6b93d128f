#!/usr/bin/env python3
"""Draws the program's icon and pen pointer and writes them as 256-colour .ico and .cur files.

Run it again after changing a drawing; the files it writes are committed under app/res/.
"""
import math
import struct
import sys
from pathlib import Path

SIZE = 32


def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def put(img, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = colour


def thick_line(img, x0, y0, x1, y1, radius, colour):
    steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 4) + 1
    for i in range(steps + 1):
        t = i / steps
        cx, cy = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        for y in range(SIZE):
            for x in range(SIZE):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    img[y][x] = colour


def icon_image():
    """A yellow ruler strip lying across the icon, black ticks along its top edge."""
    img = blank()
    yellow, black = (255, 255, 0), (0, 0, 0)
    for y in range(9, 23):
        for x in range(1, 31):
            img[y][x] = yellow
    for x in range(1, 31):
        img[9][x] = black
        img[22][x] = black
    for y in range(9, 23):
        img[y][1] = black
        img[y][30] = black
    for i, x in enumerate(range(3, 30, 2)):
        length = 8 if i % 5 == 0 else (5 if i % 2 == 0 else 3)
        for y in range(10, 10 + length):
            img[y][x] = black
    return img


def pen_image():
    """A pen from the upper right down to its tip at (9, 23), the pointer's hot spot."""
    img = blank()
    black, body, band, wood = (0, 0, 0), (30, 80, 200), (230, 230, 230), (240, 200, 140)
    tip = (9, 23)
    top = (27, 5)
    # outline, then body, then the sharpened wooden end and the black tip
    thick_line(img, tip[0] + 3, tip[1] - 3, top[0], top[1], 3.2, black)
    thick_line(img, tip[0] + 3, tip[1] - 3, top[0], top[1], 2.2, body)
    thick_line(img, top[0] - 2, top[1] + 2, top[0], top[1], 2.2, band)
    thick_line(img, tip[0] + 0.5, tip[1] - 0.5, tip[0] + 3.5, tip[1] - 3.5, 1.6, wood)
    thick_line(img, tip[0], tip[1], tip[0] + 1.5, tip[1] - 1.5, 0.9, black)
    put(img, tip[0], tip[1], black)
    return img


def write(path, img, kind, hotspot=(0, 0)):
    palette = []
    for row in img:
        for c in row:
            if c is not None and c not in palette:
                palette.append(c)
    if len(palette) > 256:
        sys.exit("too many colours")
    palette += [(0, 0, 0)] * (256 - len(palette))
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up rows
        bits = 0
        for x in range(SIZE):
            c = img[y][x]
            xor.append(0 if c is None else palette.index(c))
            bits = (bits << 1) | (1 if c is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    data = header + pal + bytes(xor) + bytes(mask)
    if kind == 1:
        entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(data), 22)
    else:
        entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hotspot[0], hotspot[1], len(data), 22)
    Path(path).write_bytes(struct.pack("<HHH", 0, kind, 1) + entry + data)


if __name__ == "__main__":
    out = Path(__file__).resolve().parent.parent / "app" / "res"
    write(out / "lindrel.ico", icon_image(), 1)
    write(out / "pen.cur", pen_image(), 2, hotspot=(9, 23))
    print("wrote", out / "lindrel.ico", "and", out / "pen.cur")
