#!/usr/bin/env python3
"""Draws the monitor's icon (resource 2800) and writes vigilkit.ico.

The picture is a small display on a stand whose screen shows the monitor's
own bar gauges: a green current bar, a blue peak tick and a red limit tick on
white, as the resource-usage dialog draws them. Two images, 32x32 and 16x16,
32 bits with alpha. Pixel art drawn here directly, so the icon is rebuilt
from this script alone:

    python3 make_icon.py [output.ico] [--preview preview.png]
"""
import os
import struct
import sys
import zlib

TRANSPARENT = (0, 0, 0, 0)
BEZEL_DARK = (44, 52, 62, 255)
BEZEL = (78, 90, 104, 255)
BEZEL_LIGHT = (132, 146, 162, 255)
SCREEN = (255, 255, 255, 255)
SCREEN_SHADE = (200, 206, 214, 255)
TRACK = (226, 230, 236, 255)
FRAME = (64, 64, 64, 255)
CURRENT = (0, 129, 0, 255)
CURRENT_LIGHT = (40, 180, 40, 255)
PEAK = (0, 0, 255, 255)
LIMIT = (255, 0, 0, 255)
STAND = (96, 104, 116, 255)
STAND_LIGHT = (150, 158, 170, 255)


class Image:
    def __init__(self, size):
        self.size = size
        self.px = [[TRANSPARENT] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = colour

    def rect(self, left, top, right, bottom, colour):
        """Fills left..right-1 x top..bottom-1."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, colour)

    def rounded(self, left, top, right, bottom, colour, corner_alpha):
        """A filled rectangle whose four corner pixels are half transparent."""
        self.rect(left, top, right, bottom, colour)
        r, g, b, _ = colour
        soft = (r, g, b, corner_alpha)
        for x, y in ((left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1)):
            self.put(x, y, soft)


def gauge(img, left, top, right, height, current, peak):
    """One bar gauge across left..right-1: current and peak in 0..1."""
    width = right - left
    img.rect(left, top, right, top + height, TRACK)
    bar_end = left + max(1, round((width - 3) * current))
    img.rect(left, top, bar_end, top + height, CURRENT)
    if height >= 3:
        img.rect(left, top, bar_end, top + 1, CURRENT_LIGHT)
    peak_x = left + round((width - 3) * peak)
    img.rect(peak_x, top, peak_x + 1, top + height, PEAK)
    img.rect(right - 1, top, right, top + height, LIMIT)


def draw32():
    img = Image(32)
    # Display: bezel with a light top edge and a dark lower edge.
    img.rounded(1, 2, 31, 25, BEZEL, 110)
    img.rect(2, 2, 30, 3, BEZEL_LIGHT)
    img.rect(2, 24, 30, 25, BEZEL_DARK)
    # Screen with a sunken frame, as the gauges have.
    img.rect(4, 5, 28, 22, SCREEN)
    img.rect(4, 5, 28, 6, FRAME)
    img.rect(4, 5, 5, 22, FRAME)
    img.rect(5, 21, 28, 22, SCREEN_SHADE)
    img.rect(27, 6, 28, 22, SCREEN_SHADE)
    # Three gauges.
    gauge(img, 6, 8, 26, 3, 0.55, 0.80)
    gauge(img, 6, 13, 26, 3, 0.30, 0.45)
    gauge(img, 6, 18, 26, 2, 0.85, 0.95)
    # Stand.
    img.rect(13, 25, 19, 28, STAND)
    img.rect(13, 25, 14, 28, STAND_LIGHT)
    img.rounded(7, 28, 25, 31, STAND, 120)
    img.rect(8, 28, 24, 29, STAND_LIGHT)
    return img


def draw16():
    img = Image(16)
    img.rounded(0, 1, 16, 12, BEZEL, 110)
    img.rect(1, 1, 15, 2, BEZEL_LIGHT)
    img.rect(1, 11, 15, 12, BEZEL_DARK)
    img.rect(2, 3, 14, 10, SCREEN)
    img.rect(2, 3, 14, 4, FRAME)
    img.rect(2, 3, 3, 10, FRAME)
    gauge(img, 4, 5, 13, 2, 0.50, 0.75)
    gauge(img, 4, 8, 13, 1, 0.80, 0.90)
    img.rect(7, 12, 9, 14, STAND)
    img.rounded(4, 14, 12, 16, STAND, 120)
    return img


def ico_image(img):
    """BITMAPINFOHEADER, BGRA rows bottom-up, then the 1-bit AND mask."""
    n = img.size
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in range(n - 1, -1, -1):
        for r, g, b, a in img.px[y]:
            xor += bytes((b, g, r, a))
    mask_row = ((n + 31) // 32) * 4
    mask = bytearray()
    for y in range(n - 1, -1, -1):
        row = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(img.px[y]):
            if a == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def ico_file(images):
    blobs = [ico_image(img) for img in images]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', img.size, img.size, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def png_preview(images, scale=8):
    """Both images side by side, enlarged, on a grey checker (for looking)."""
    width = sum(img.size for img in images) * scale + 8 * (len(images) + 1)
    height = max(img.size for img in images) * scale + 16
    rows = []
    for py in range(height):
        row = bytearray()
        for px in range(width):
            checker = 200 if ((px // 8) + (py // 8)) % 2 else 230
            row += bytes((checker, checker, checker))
        rows.append(row)
    x0 = 8
    for img in images:
        for y in range(img.size):
            for x in range(img.size):
                r, g, b, a = img.px[y][x]
                for dy in range(scale):
                    for dx in range(scale):
                        X, Y = x0 + x * scale + dx, 8 + y * scale + dy
                        base = rows[Y][3 * X:3 * X + 3]
                        mix = bytes(((c * a + o * (255 - a)) // 255) for c, o in zip((r, g, b), base))
                        rows[Y][3 * X:3 * X + 3] = mix
        x0 += img.size * scale + 8
    raw = b''.join(b'\x00' + bytes(r) for r in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xffffffff)

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    output = os.path.join(here, 'vigilkit.ico')
    preview = None
    args = list(argv)
    if '--preview' in args:
        i = args.index('--preview')
        preview = args[i + 1]
        del args[i:i + 2]
    if args:
        output = args[0]
    images = [draw32(), draw16()]
    with open(output, 'wb') as f:
        f.write(ico_file(images))
    if preview:
        with open(preview, 'wb') as f:
            f.write(png_preview(images))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
