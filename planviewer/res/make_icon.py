#!/usr/bin/env python3
"""Draws skyglass.ico: a small plan tree under a magnifying glass.

Writes 16x16, 32x32 and 48x48 images, 32-bit with alpha and an AND mask.
Run: python3 make_icon.py  (writes skyglass.ico beside this script)
"""
import math
import os
import struct

SS = 4  # supersampling per axis


def draw(size):
    s = size * SS
    px = [[(0.0, 0.0, 0.0, 0.0)] * s for _ in range(s)]

    def over(x, y, rgba):
        if 0 <= x < s and 0 <= y < s:
            r, g, b, a = rgba
            R, G, B, A = px[y][x]
            na = a + A * (1 - a)
            if na == 0:
                return
            px[y][x] = ((r * a + R * A * (1 - a)) / na, (g * a + G * A * (1 - a)) / na,
                        (b * a + B * A * (1 - a)) / na, na)

    def rect(x0, y0, x1, y1, rgba):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                over(x, y, rgba)

    def line(x0, y0, x1, y1, w, rgba):
        x0, y0, x1, y1, w = x0 * s, y0 * s, x1 * s, y1 * s, w * s
        minx, maxx = int(min(x0, x1) - w), int(max(x0, x1) + w) + 1
        miny, maxy = int(min(y0, y1) - w), int(max(y0, y1) + w) + 1
        dx, dy = x1 - x0, y1 - y0
        ll = dx * dx + dy * dy or 1
        for y in range(miny, maxy):
            for x in range(minx, maxx):
                t = max(0, min(1, ((x - x0) * dx + (y - y0) * dy) / ll))
                if math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= w / 2:
                    over(x, y, rgba)

    def disc(cx, cy, r0, r1, rgba):
        cx, cy, r0, r1 = cx * s, cy * s, r0 * s, r1 * s
        for y in range(int(cy - r1) - 1, int(cy + r1) + 2):
            for x in range(int(cx - r1) - 1, int(cx + r1) + 2):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r0 <= d <= r1:
                    over(x, y, rgba)

    navy = (0.10, 0.20, 0.45, 1.0)
    box = (0.95, 0.75, 0.25, 1.0)
    edge = (0.45, 0.30, 0.05, 1.0)
    # The plan tree: a root box and two children, joined by lines.
    line(0.16, 0.20, 0.16, 0.72, 0.06, navy)
    line(0.16, 0.44, 0.30, 0.44, 0.06, navy)
    line(0.16, 0.72, 0.30, 0.72, 0.06, navy)
    for (x, y) in ((0.04, 0.06), (0.30, 0.36), (0.30, 0.64)):
        rect(x - 0.02, y - 0.02, x + 0.32, y + 0.18, edge)
        rect(x, y, x + 0.30, y + 0.16, box)
    # The glass: a pale lens, a dark rim and a handle to the lower right.
    disc(0.62, 0.50, 0.0, 0.22, (0.70, 0.88, 1.0, 0.45))
    disc(0.62, 0.50, 0.19, 0.26, (0.15, 0.25, 0.40, 1.0))
    line(0.80, 0.68, 0.96, 0.90, 0.13, (0.30, 0.18, 0.08, 1.0))
    disc(0.56, 0.42, 0.09, 0.12, (1.0, 1.0, 1.0, 0.5))

    out = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for yy in range(SS):
                for xx in range(SS):
                    r, g, b, a = px[y * SS + yy][x * SS + xx]
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SS * SS
            a = acc[3] / n
            if a > 0:
                row.append((acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], a))
            else:
                row.append((0, 0, 0, 0))
        out.append(row)
    return out


def image_bytes(size):
    pixels = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    data = bytearray()
    for y in reversed(range(size)):
        for (r, g, b, a) in pixels[y]:
            data += bytes((int(b * 255 + 0.5), int(g * 255 + 0.5), int(r * 255 + 0.5), int(a * 255 + 0.5)))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if pixels[y][x][3] < 0.5:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(data) + bytes(mask)


def main():
    sizes = (16, 32, 48)
    images = [image_bytes(n) for n in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'skyglass.ico')
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
