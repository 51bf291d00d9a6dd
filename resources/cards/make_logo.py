#!/usr/bin/env python3
"""Draws the company mark of the card window's sample card and writes it as a PNG
(standard library only).

A round blue badge with a gold sun rising over two white waves. Drawn at twice the
size it is shown, with 4x4 supersampling for smooth edges.

Run by hand from this folder: python3 make_logo.py   (writes logo.png)
"""
import math
import struct
import zlib

SIZE = 96
SAMPLES = 4
C = SIZE / 2


def colour_at(x, y):
    """RGBA of one sample point, in pixel units."""
    d = math.hypot(x - C, y - C)
    if d > 45:
        return (0, 0, 0, 0)
    if d > 42:
        return (51, 59, 72, 255)  # outline
    if d > 38:
        return (255, 255, 255, 255)  # white ring
    for base in (60, 72):
        wave = base + 4 * math.sin((x - 10) / 7.0)
        if wave <= y <= wave + 4:
            return (255, 255, 255, 255)
    if y > 60 + 4 * math.sin((x - 10) / 7.0):
        return (34, 84, 160, 255)  # sea
    if math.hypot(x - 48, y - 52) <= 20:
        return (238, 184, 44, 255)  # sun
    return (58, 116, 200, 255)  # sky


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
    with open("logo.png", "wb") as out:
        out.write(png(SIZE, SIZE, rows))
