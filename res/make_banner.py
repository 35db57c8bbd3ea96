#!/usr/bin/env python3
"""Writes the About box banner: the name Lotwarden beside a house on its lot.

300 by 75 pixels, 8 bits per pixel with a 256-colour palette. Drawn from
shapes here rather than kept as a binary file, so the bitmap is reproducible
byte for byte from this script alone.

Usage: make_banner.py OUTPUT.bmp
"""

import struct
import sys

WIDTH, HEIGHT = 300, 75
HORIZON = 58

# Palette: a sky gradient, a lawn gradient, then the named colours; the rest
# of the 256 entries stay black.
SKY_SHADES, LAWN_SHADES = 48, 16
SKY_TOP, SKY_LOW = (0x3A, 0x6E, 0xC8), (0xD8, 0xEC, 0xFF)
LAWN_TOP, LAWN_LOW = (0x5C, 0xB8, 0x3C), (0x2E, 0x74, 0x1E)
NAMED = {
    "black": (0x00, 0x00, 0x00),
    "wall": (0xF4, 0xD8, 0x6A),
    "roof": (0xC0, 0x30, 0x28),
    "door": (0x80, 0x40, 0x10),
    "glass": (0x8C, 0xE0, 0xF0),
    "chimney": (0x80, 0x80, 0x80),
    "sun": (0xFF, 0xE8, 0x40),
    "ink": (0x14, 0x2A, 0x5C),
    "shadow": (0xF8, 0xFC, 0xFF),
}


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def palette():
    colours = [blend(SKY_TOP, SKY_LOW, i / (SKY_SHADES - 1)) for i in range(SKY_SHADES)]
    colours += [blend(LAWN_TOP, LAWN_LOW, i / (LAWN_SHADES - 1)) for i in range(LAWN_SHADES)]
    colours += list(NAMED.values())
    return colours + [(0, 0, 0)] * (256 - len(colours))


COLOUR = {name: SKY_SHADES + LAWN_SHADES + i for i, name in enumerate(NAMED)}

# Five by seven glyphs of the letters of the name.
GLYPHS = {
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "t": [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "d": ["....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
}


def draw():
    """Rows of palette indices, top row first."""
    pixels = []
    for y in range(HEIGHT):
        if y < HORIZON:
            shade = y * (SKY_SHADES - 1) // (HORIZON - 1)
        else:
            shade = SKY_SHADES + (y - HORIZON) * (LAWN_SHADES - 1) // (HEIGHT - 1 - HORIZON)
        pixels.append([shade] * WIDTH)

    def fill(x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, HEIGHT)):
            for x in range(max(x0, 0), min(x1, WIDTH)):
                pixels[y][x] = COLOUR[colour]

    # Sun behind the house.
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if (x - 62) ** 2 + (y - 14) ** 2 <= 81:
                pixels[y][x] = COLOUR["sun"]
    # The house, as on the program icon: walls, door, window, roof, chimney.
    fill(12, 36, 56, 62, "black")
    fill(14, 38, 54, 60, "wall")
    fill(20, 44, 30, 62, "black")
    fill(22, 46, 28, 62, "door")
    fill(36, 42, 48, 52, "black")
    fill(38, 44, 46, 50, "glass")
    fill(42, 14, 48, 28, "black")
    fill(44, 14, 46, 26, "chimney")
    apex_x, apex_y, base_y = 34, 10, 38
    for y in range(apex_y, base_y):
        half = (y - apex_y) * 28 // (base_y - apex_y)
        for x in range(apex_x - half, apex_x + half + 1):
            edge = x - (apex_x - half) < 2 or (apex_x + half) - x < 2 or y >= base_y - 2
            pixels[y][x] = COLOUR["black" if edge else "roof"]

    # The name, four pixels to a glyph dot, with a light shadow.
    scale, left, top = 4, 80, 12
    for dx, dy, colour in ((2, 2, "shadow"), (0, 0, "ink")):
        x = left
        for letter in "Lotwarden":
            for row, line in enumerate(GLYPHS[letter]):
                for col, dot in enumerate(line):
                    if dot == "#":
                        fill(x + col * scale + dx, top + row * scale + dy,
                             x + (col + 1) * scale + dx, top + (row + 1) * scale + dy, colour)
            x += 6 * scale
    return pixels


def bitmap_file():
    rows = b"".join(bytes(row) for row in reversed(draw()))  # stored bottom-up
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette())
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + colours + rows


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as output:
        output.write(bitmap_file())


if __name__ == "__main__":
    main()
