#!/usr/bin/env python3
"""Writes the program icon: a house on a green lot, 32x32 and 16x16, 16 colours.

The artwork is drawn from shapes here rather than kept as a binary file, so the
icon is reproducible byte for byte from this script alone.

Usage: make_icon.py OUTPUT.ico
"""

import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, GREY, RED, LIME, YELLOW, AQUA = 0, 1, 2, 8, 9, 10, 11, 14
TRANSPARENT = None


def draw(size):
    """Rows of palette indices (TRANSPARENT for see-through), top row first."""
    s = size / 32.0
    pixels = [[TRANSPARENT] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                pixels[y][x] = colour

    # The lot: lawn with a darker rim.
    fill(0, 24, 32, 32, GREEN)
    fill(1, 25, 31, 31, LIME)
    # Walls, door and window.
    fill(6, 14, 26, 26, BLACK)
    fill(7, 15, 25, 25, YELLOW)
    fill(10, 18, 15, 26, BLACK)
    fill(11, 19, 14, 26, MAROON)
    fill(17, 17, 23, 22, BLACK)
    fill(18, 18, 22, 21, AQUA)
    # Roof: a triangle over the walls, outlined.
    apex_x, apex_y, base_y = 16.0, 3.0, 15.0
    for y in range(size):
        cy = (y + 0.5) / s
        if not apex_y <= cy < base_y:
            continue
        half = (cy - apex_y) * 13.0 / (base_y - apex_y)
        for x in range(size):
            dx = abs((x + 0.5) / s - apex_x)
            if dx <= half:
                edge = half - dx < 1.6 or cy >= base_y - 1.0
                pixels[y][x] = BLACK if edge else RED
    # Chimney.
    fill(21, 5, 24, 10, BLACK)
    fill(22, 5, 23, 9, GREY)
    return pixels


def image_bytes(size):
    pixels = draw(size)
    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        xor = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for x, colour in enumerate(row):
            if colour is TRANSPARENT:
                mask[x // 8] |= 0x80 >> (x % 8)
                colour = 0
            xor[x // 2] |= colour << (4 if x % 2 == 0 else 0)
        xor_rows.append(bytes(xor))
        and_rows.append(bytes(mask))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(bits), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bits


def icon_file(sizes):
    images = [image_bytes(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as output:
        output.write(icon_file([32, 16]))


if __name__ == "__main__":
    main()
