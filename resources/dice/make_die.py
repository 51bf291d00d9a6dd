#!/usr/bin/env python3
"""Draws the die of the dice window and writes it as a PNG (standard library only).

A white die seen from the front, its one face showing the large red pip, with a
soft grey edge for depth. Drawn with 4x4 supersampling for smooth edges.

Run by hand from this folder: python3 make_die.py   (writes 1.png)
"""
import struct
import zlib

SIZE = 48
SAMPLES = 4


def rounded_box(x, y, left, top, right, bottom, radius):
    """True when (x, y) lies inside the rounded rectangle."""
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def colour_at(x, y):
    """RGBA of one sample point, in pixel units."""
    outline = (51, 59, 72, 255)
    if not rounded_box(x, y, 2, 2, 46, 46, 9):
        return (0, 0, 0, 0)
    if not rounded_box(x, y, 3.5, 3.5, 44.5, 44.5, 7.5):
        return outline
    # The pip: red with a darker rim.
    d2 = (x - 24) ** 2 + (y - 24) ** 2
    if d2 <= 7.5 ** 2:
        return (200, 40, 40, 255)
    if d2 <= 8.5 ** 2:
        return (140, 24, 24, 255)
    # Shade towards the lower right edge.
    shade = max(0.0, (x + y - 60) / 30.0)
    grey = int(255 - 40 * min(shade, 1.0))
    return (grey, grey, min(255, grey + 4), 255)


def pixel(px, py):
    total = [0, 0, 0, 0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            r, g, b, a = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            total[0] += r * a
            total[1] += g * a
            total[2] += b * a
            total[3] += a
    alpha = total[3]
    if alpha == 0:
        return (0, 0, 0, 0)
    return tuple(int(round(c / alpha)) for c in total[:3]) + (alpha // (SAMPLES * SAMPLES),)


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open("1.png", "wb") as out:
        out.write(png(SIZE, SIZE, rows))
