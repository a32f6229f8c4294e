#!/usr/bin/python3
"""Draws the tool's two 24 x 24 icons (normal and rollover) as PNG files beside this script.

Three arrows fan out from the lower-left corner: one drag, many copies. Run it again only
to change the pictures; the PNG files are the committed resources.
"""
import math
import os
import struct
import zlib

SIZE = 24


def arrow_mask(angle_degrees, length):
    """Pixels covered by a 2-pixel shaft from (3, 20) and a filled arrowhead at its end."""
    x0, y0 = 3.5, 20.5
    a = math.radians(angle_degrees)
    dx, dy = math.cos(a), -math.sin(a)
    tip = (x0 + dx * length, y0 + dy * length)
    head = 6.0
    base = (tip[0] - dx * head, tip[1] - dy * head)
    left = (base[0] - dy * 3.0, base[1] + dx * 3.0)
    right = (base[0] + dy * 3.0, base[1] - dx * 3.0)
    covered = set()
    for y in range(SIZE):
        for x in range(SIZE):
            px, py = x + 0.5, y + 0.5
            # Shaft: distance to the segment from the start to the head's base.
            t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / (length - head)))
            sx, sy = x0 + dx * t * (length - head), y0 + dy * t * (length - head)
            if math.hypot(px - sx, py - sy) <= 1.0:
                covered.add((x, y))
            # Head: inside the triangle tip-left-right.
            if inside((px, py), tip, left, right):
                covered.add((x, y))
    return covered


def inside(p, a, b, c):
    def side(p1, p2, p3):
        return (p1[0] - p3[0]) * (p2[1] - p3[1]) - (p2[0] - p3[0]) * (p1[1] - p3[1])

    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    has_neg = d1 < 0 or d2 < 0 or d3 < 0
    has_pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (has_neg and has_pos)


def png(pixels):
    """RGBA rows to PNG bytes."""
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def icon(colors):
    covered = {}
    for (angle, length), color in zip(((0, 18), (45, 21), (90, 18)), colors):
        for p in arrow_mask(angle, length):
            covered[p] = color
    return [[covered.get((x, y), (0, 0, 0, 0)) for x in range(SIZE)] for y in range(SIZE)]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    normal = [(40, 40, 40, 255)] * 3
    rollover = [(20, 90, 200, 255), (200, 40, 40, 255), (20, 150, 70, 255)]
    for name, colors in (("tool_icon.png", normal), ("tool_icon_rollover.png", rollover)):
        with open(os.path.join(here, name), "wb") as out:
            out.write(png(icon(colors)))


if __name__ == "__main__":
    main()
