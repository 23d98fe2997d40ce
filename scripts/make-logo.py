#!/usr/bin/env python3
"""Draws the TamriGraphics logo used by the example scenes and writes it as an
RGBA PNG: a blue rounded badge with a white T and an orange dot, its edges
softened by 4 x 4 samples per pixel, transparent outside the badge.

    scripts/make-logo.py examples/tamri_logo.png
"""
import struct
import sys
import zlib

SIZE = 48
SAMPLES = 4


def inside_rounded_square(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and left <= x <= right and top <= y <= bottom


def shape_at(x, y):
    """The colour (r, g, b) of the logo at a point, or None outside it."""
    if (x - 35.0) ** 2 + (y - 35.0) ** 2 <= 5.0 ** 2:
        return (240, 140, 30)
    bar = 12 <= x <= 36 and 11 <= y <= 17
    stem = 21 <= x <= 27 and 11 <= y <= 38
    if bar or stem:
        return (255, 255, 255)
    if inside_rounded_square(x, y, 2, 2, 46, 46, 9):
        shade = int(40 * y / SIZE)
        return (30 + shade, 80 + shade, 170 + shade // 2)
    return None


def pixel(px, py):
    total = [0, 0, 0]
    covered = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            colour = shape_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            if colour:
                covered += 1
                for i in range(3):
                    total[i] += colour[i]
    if not covered:
        return (0, 0, 0, 0)
    alpha = round(255 * covered / SAMPLES ** 2)
    return tuple(round(c / covered) for c in total) + (alpha,)


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(width, height, rows):
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make-logo.py OUTPUT.png")
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open(sys.argv[1], "wb") as out:
        out.write(png(SIZE, SIZE, rows))


if __name__ == "__main__":
    main()
